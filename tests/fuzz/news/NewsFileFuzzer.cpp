// Arbitrary bytes as a downloaded news file: read its lines and its news,
// and check that what the window would show keeps the file's bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "news/NewsFile.h"
#include "news/NewsLink.h"

namespace {

bool Trimmed(std::string_view Text) {
    return Text.empty() || (static_cast<unsigned char>(Text.front()) > ' ' && static_cast<unsigned char>(Text.back()) > ' ');
}

bool SoundLink(const TNewsLink& Link) {
    if (Link.Link.size() > NewsLinkMaxLength || !Trimmed(Link.Link) || !Trimmed(Link.Caption)) return false;
    const std::string opened = SafeLink(Link.Link);
    if (!opened.empty() && opened != Link.Link && opened != "http://" + Link.Link) return false;
    const TNewsImage image = LinkImage(Link.Link);
    return image == niLink || image == niZipLink || image == niExeLink;
}

bool Sound(const std::vector<TNewsItem>& Items) {
    if (Items.size() > static_cast<size_t>(NewsItemNumbers)) return false;
    for (const TNewsItem& item : Items) {
        if (item.Heading.empty() || item.Links.size() > static_cast<size_t>(NewsItemNumbers)) return false;
        for (const TNewsLink& link : item.Links)
            if (!SoundLink(link)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::vector<std::string> lines = SplitNewsLines(std::string_view(reinterpret_cast<const char*>(Data), Size));
    for (const std::string& line : lines)
        if (line.size() > NewsLineMaxLength || line.find_first_of("\r\n") != std::string::npos) std::abort();
    IsNotFoundPage(lines);
    if (!Sound(ParseNews(lines))) std::abort();
    return 0;
}
