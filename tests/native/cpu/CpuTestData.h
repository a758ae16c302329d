#pragma once
// The recorded processors under tests/data/cpuid.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::filesystem::path CpuidDataDir() {
    const char* Source = std::getenv("TORVANE_SOURCE_DIR");
    return std::filesystem::path(Source ? Source : ".") / "tests" / "data" / "cpuid";
}

inline std::string ReadText(const std::filesystem::path& Path) {
    std::ifstream File(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

inline std::string CpuidDump(const std::string& Name) { return ReadText(CpuidDataDir() / Name); }
