#pragma once
#include <string>
#include <string_view>

// Text without the blanks and control characters (every byte up to the
// space) at either end.
inline std::string TrimBlanks(std::string_view Text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!Text.empty() && blank(Text.front())) Text.remove_prefix(1);
    while (!Text.empty() && blank(Text.back())) Text.remove_suffix(1);
    return std::string(Text);
}
