// What the processor page shows beside the identification's results: where
// the brand string names the processor, which cache leaves fill a size of 0,
// and what stays as identified.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "cpu/CpuPageFigures.h"
#include "tests/fakes/FakeCpuSystem.h"

namespace {

std::string Leaf(uint32_t Leaf, uint32_t SubLeaf, uint32_t EAX, uint32_t EBX, uint32_t ECX, uint32_t EDX) {
    char Line[64];
    std::snprintf(Line, sizeof Line, "%08X %08X: %08X %08X %08X %08X\n", Leaf, SubLeaf, EAX, EBX, ECX, EDX);
    return Line;
}

// Leaf 0 of Intel with its highest standard leaf, and leaf 0x80000000.
std::string Intel(uint32_t Highest, uint32_t HighestEx) {
    return Leaf(0, 0, Highest, 0x756E6547, 0x6C65746E, 0x49656E69) + Leaf(0x80000000, 0, HighestEx, 0, 0, 0);
}

// The three brand leaves, padded with zero bytes.
std::string Brand(const std::string& Text) {
    uint32_t Words[12] = {};
    std::memcpy(Words, Text.data(), std::min(Text.size(), sizeof Words));
    std::string Lines;
    for (uint32_t i = 0; i < 3; ++i)
        Lines += Leaf(0x80000002 + i, 0, Words[4 * i], Words[4 * i + 1], Words[4 * i + 2], Words[4 * i + 3]);
    return Lines;
}

// One cache of leaf 4 or 0x8000001D: 8 ways of 64-byte lines.
std::string Cache(uint32_t Leaf4, uint32_t SubLeaf, uint32_t Level, uint32_t Type, uint32_t Kilobytes) {
    return Leaf(Leaf4, SubLeaf, Level << 5 | Type, 7u << 22 | 63, Kilobytes * 1024 / (8 * 64) - 1, 0);
}

std::string Sizes(const TCacheSizes& C) {
    return std::to_string(C.L1Code) + "|" + std::to_string(C.L1Data) + "|" + std::to_string(C.Level1) + "|" +
           std::to_string(C.Level2);
}

}  // namespace

TEST(CpuPageFigures, BrandStringAndCacheLeavesFillOnlyWhatTheIdentificationLacks) {
    const std::string Family10h = Leaf(1, 0, 0x00100F42, 0, 0, 0);    // family 15, extended family 1
    const std::string AlderLake = Leaf(1, 0, 0x000906A3, 0, 0, 0);    // family 6, extended model 9
    const std::string Katmai = Leaf(1, 0, 0x00000672, 0, 0, 0);       // family 6 model 7: the tables' own
    const std::string Descriptors = Leaf(2, 0, 0x430A0601, 0, 0, 0);  // 8 KB code, 8 KB data, 512 KB level 2
    const struct {
        const char* Case;
        std::string Dump;
        const char* Name;
        const char* Caches;  // level 1 code, data and unified, level 2
    } Cases[] = {
        {"the tables' model and the descriptors' sizes stay",
         Intel(4, 0x80000008) + Katmai + Descriptors + Brand("Intel(R) Pentium(R) III") + Cache(4, 0, 1, 1, 32) +
             Cache(4, 1, 1, 2, 32) + Cache(4, 2, 2, 3, 1024) + Leaf(4, 3, 0, 0, 0, 0),
         "Intel Pentium III", "8|8|0|512"},
        {"a model beyond the tables: its brand without blanks; a dump of leaf 4's first cache only",
         Intel(4, 0x80000008) + AlderLake + Brand("  12th Gen Intel(R) Core(TM) i7-1265U  ") + Cache(4, 0, 1, 1, 48),
         "12th Gen Intel(R) Core(TM) i7-1265U", "0|48|0|0"},
        {"no brand leaves and leaf 4 above the highest: the identification's own",
         Intel(2, 0x80000003) + AlderLake + Brand("Core") + Cache(4, 0, 1, 1, 48), "Intel Pentium III Xeon",
         "0|0|0|0"},
        {"AMD without the topology extensions bit: the size leaves, not 0x8000001D",
         Leaf(0, 0, 1, 0x68747541, 0x444D4163, 0x69746E65) + Leaf(0x80000000, 0, 0x8000001E, 0, 0, 0) + Family10h +
             Brand("AMD Phenom(tm) II X4 940 Processor") + Leaf(0x80000005, 0, 0, 0, 0x40020140, 0x40020140) +
             Leaf(0x80000006, 0, 0, 0, 0x02008140, 0) + Cache(0x8000001D, 0, 1, 1, 16),
         "AMD Phenom(tm) II X4 940 Processor", "64|64|0|512"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Case);
        TRecordedCpu Cpu(Case.Dump);
        TCpuInfo Info(nullptr, Cpu.Sources());
        Info.Loaded();
        TCpuidAPI Api(Cpu.Sources());
        const TCpuPageFigures Shown = CpuPageFigures(Info, Api);
        EXPECT_EQ(Shown.Name, Case.Name);
        EXPECT_EQ(Sizes(Shown.Caches), Case.Caches);
    }
}
