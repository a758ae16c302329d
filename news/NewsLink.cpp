#include "news/NewsLink.h"

#include <algorithm>

namespace {

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix) {
    if (Text.size() < Prefix.size()) return false;
    return std::equal(Prefix.begin(), Prefix.end(), Text.begin(), [](char p, char t) {
        return p == (t >= 'A' && t <= 'Z' ? static_cast<char>(t - 'A' + 'a') : t);
    });
}

bool HarmlessCharacters(std::string_view Link) {
    return std::none_of(Link.begin(), Link.end(), [](char c) { return c == '"' || static_cast<unsigned char>(c) < ' '; });
}

}  // namespace

TNewsImage LinkImage(std::string_view Link) {
    const size_t dot = Link.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return niLink;
    const std::string_view extension = Link.substr(dot + 1);
    if (extension == "zip") return niZipLink;
    if (extension == "exe") return niExeLink;
    return niLink;
}

std::string SafeLink(std::string_view Link) {
    if (!HarmlessCharacters(Link)) return {};
    for (std::string_view scheme : {"http:", "https:", "ftp:", "mailto:"})
        if (StartsWithNoCase(Link, scheme)) return std::string(Link);
    if (StartsWithNoCase(Link, "www.")) return "http://" + std::string(Link);
    return {};
}
