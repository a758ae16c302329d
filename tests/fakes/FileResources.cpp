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
};
}  // namespace

std::vector<uint8_t> TFileResources::Load(const std::string& Name) {
    const char* root = std::getenv("TORVANE_SOURCE_DIR");
    for (const auto& entry : Files)
        if (Name == entry.Name) return ReadFileBytes(std::string(root ? root : ".") + "/" + entry.File).value_or(std::vector<uint8_t>{});
    return {};
}
