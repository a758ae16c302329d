#include "news/NewsFile.h"

#include <unordered_map>

#include "core/Blanks.h"

namespace {

std::string LowerAscii(std::string_view Text) {
    std::string lower(Text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The value of every key, looked up once for the ten thousand numbers
// that are asked.
class TNewsKeys {
public:
    explicit TNewsKeys(const std::vector<std::string>& Lines) {
        for (const std::string& line : Lines) {
            const size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            FValues.try_emplace(LowerAscii(std::string_view(line).substr(0, equals)), line.substr(equals + 1));
        }
    }
    std::string_view Value(const std::string& Key) const {
        auto found = FValues.find(Key);
        return found == FValues.end() ? std::string_view() : std::string_view(found->second);
    }

private:
    std::unordered_map<std::string, std::string> FValues;
};

void AddLinks(const TNewsKeys& Keys, int Item, TNewsItem& Into) {
    for (int j = 0; j < NewsItemNumbers; ++j) {
        const std::string_view value = Keys.Value("subitem" + std::to_string(Item) + "-" + std::to_string(j));
        const size_t bar = value.find('|');
        if (bar == std::string_view::npos) continue;
        Into.Links.push_back({TrimBlanks(value.substr(0, bar)), TrimBlanks(value.substr(bar + 1, NewsLinkMaxLength))});
    }
}

}  // namespace

std::vector<std::string> SplitNewsLines(std::string_view Text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < Text.size()) {
        size_t end = Text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = Text.size();
        lines.emplace_back(Text.substr(start, std::min(end - start, NewsLineMaxLength)));
        start = end + (Text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

bool IsNotFoundPage(const std::vector<std::string>& Lines) {
    return !Lines.empty() && Lines.front().find("404") != std::string::npos;
}

std::vector<TNewsItem> ParseNews(const std::vector<std::string>& Lines) {
    const TNewsKeys keys(Lines);
    std::vector<TNewsItem> items;
    for (int i = 0; i < NewsItemNumbers; ++i) {
        const std::string_view heading = keys.Value("item" + std::to_string(i));
        if (heading.empty()) continue;
        items.push_back({std::string(heading), {}});
        AddLinks(keys, i, items.back());
    }
    return items;
}
