#pragma once
// The news file: plain text lines, among which "item" i "=" heading names
// news heading i and "subitem" i "-" j "=" caption "|" link names link j
// under it (i and j 0 to 99, in decimal). The part of a line before its
// first "=" is its key, matched without regard to letter case and without
// trimming; the first line of a key counts. Other lines are ignored.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A file larger than this is not read at all.
constexpr size_t NewsFileMaxBytes = 1024 * 1024;
// A longer line is cut to this length.
constexpr size_t NewsLineMaxLength = 4096;
// The characters of a link taken after its bar, before trimming.
constexpr size_t NewsLinkMaxLength = 128;
// Headings, and links under each, are numbered from 0 to this, excluded.
constexpr int NewsItemNumbers = 100;

struct TNewsLink {
    std::string Caption;  // trimmed
    std::string Link;     // trimmed, as the file gives it
};

struct TNewsItem {
    std::string Heading;  // as the file gives it, never empty
    std::vector<TNewsLink> Links;
};

// The lines of Text, ended by a carriage return, a line feed or both; each
// cut to NewsLineMaxLength characters.
std::vector<std::string> SplitNewsLines(std::string_view Text);
// Whether the first line holds "404": a server's "not found" page that came
// instead of the file.
bool IsNotFoundPage(const std::vector<std::string>& Lines);
// The headings with their links, in the order of their numbers; a heading
// whose value is empty hides its links, a link without a bar is skipped.
std::vector<TNewsItem> ParseNews(const std::vector<std::string>& Lines);
