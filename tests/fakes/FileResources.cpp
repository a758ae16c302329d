#include "tests/fakes/FileResources.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

std::vector<uint8_t> TFileResources::Load(const std::string& Name) {
    if (Name != "CAPTIONSTRIP") return {};
    const char* root = std::getenv("TORVANE_SOURCE_DIR");
    std::ifstream file(std::string(root ? root : ".") + "/resources/pictures/caption.jpg", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}
