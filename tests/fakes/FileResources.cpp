#include "tests/fakes/FileResources.h"

#include <cstdlib>

#include "core/FileBytes.h"

namespace {
// The resources that the resource script names, by their files.
const struct {
    const char* Name;
    const char* File;
} Files[] = {
    {"CAPTIONSTRIP", "resources/pictures/caption.jpg"},
    {"GAUGEBAR", "resources/pictures/gaugebar.jpg"},
    {"CAPTIONBUTTONS", "resources/pictures/captionbuttons.jpg"},
    {"LOGOWIN95", "resources/pictures/logo-win95.jpg"},
    {"LOGOWIN98", "resources/pictures/logo-win98.jpg"},
    {"LOGOWINNT", "resources/pictures/logo-winnt.jpg"},
    {"LOGOWIN2K", "resources/pictures/logo-win2k.jpg"},
    {"LOGOWINXP", "resources/pictures/logo-winxp.jpg"},
    {"LOGOAMD", "resources/pictures/logo-amd.jpg"},
    {"LOGOINTEL", "resources/pictures/logo-intel.jpg"},
    {"LOGOCYRIX", "resources/pictures/logo-cyrix.jpg"},
    {"PROCESSOR", "resources/pictures/processor.jpg"},
    {"SMALLIMAGES", "resources/pictures/smallimages.jpg"},
    {"NEWSIMAGES", "resources/pictures/newsimages.jpg"},
    {"NEWSUPDATE", "resources/pictures/newsupdate.jpg"},
    {"SKINGLYPHS", "resources/pictures/skinglyphs.jpg"},
};
}  // namespace

std::vector<uint8_t> TFileResources::Load(const std::string& Name) {
    const char* root = std::getenv("TORVANE_SOURCE_DIR");
    for (const auto& entry : Files)
        if (Name == entry.Name) return ReadFileBytes(std::string(root ? root : ".") + "/" + entry.File).value_or(std::vector<uint8_t>{});
    return {};
}
