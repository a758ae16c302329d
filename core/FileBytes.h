#pragma once
// Whole-file reading through the C library: the program needs no stream or
// locale machinery for it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file's bytes; nothing when it cannot be opened or read to its end (a
// folder, for one, opens on some systems but cannot be read).
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& FileName);
// Replaces the file's content; false when it cannot be written whole.
bool WriteFileBytes(const std::string& FileName, std::string_view Bytes);
