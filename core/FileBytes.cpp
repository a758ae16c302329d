#include "core/FileBytes.h"

#include <cstdio>
#include <memory>

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& FileName) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(FileName.c_str(), "rb"), std::fclose);
    if (!file) return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t chunk[16384];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

bool WriteFileBytes(const std::string& FileName, std::string_view Bytes) {
    std::FILE* file = std::fopen(FileName.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(Bytes.data(), 1, Bytes.size(), file) == Bytes.size();
    return std::fclose(file) == 0 && written;
}
