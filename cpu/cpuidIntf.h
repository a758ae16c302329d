#pragma once
// The request interface: size-tagged blocks that the component fills through
// four operations, and the dispatch to the vendor modules.
#include <cstdint>

#include "cpu/cpuidAPI.h"
#include "cpu/cpuidVendor.h"

// Vendor indexes.
enum : int { viUnknown, viIntel, viAMD, viCyrix, viIDT, viNexGen, viUMC, viRise };

int VendorIndex(TCpuidAPI& Api);
const TCpuVendor& CpuVendor(int Index);

// Request results.
constexpr int32_t rcOk = 0;
constexpr int32_t rcWrongSize = -3;

// Blocks are laid out byte by byte. Every block starts with its own size,
// which the caller sets and the operation checks, and a processor index that
// nothing uses.
#pragma pack(push, 1)
struct CPUIDBlock {
    uint32_t Size;
    uint8_t Index;
    uint8_t Available;
    int32_t MaxLevel;
    int32_t MaxLevelEx;
};

struct CacheBlock {
    uint32_t Size;
    uint8_t Index;
    int32_t L1Code;
    int32_t L1Data;
    int32_t Level1;
    int32_t Level2;
};

struct FeatureBlock {
    uint32_t Size;
    uint8_t Index;
    uint8_t Flags[30];
};

struct DetectionBlock {
    uint32_t Size;
    uint8_t Index;
    int32_t Signature;
    int32_t ProcessorType;
    int32_t Family;
    int32_t FamilyEx;
    int32_t Model;
    int32_t ModelEx;
    int32_t Stepping;
    int32_t Brand;
};
#pragma pack(pop)

static_assert(sizeof(CPUIDBlock) == 14 && sizeof(CacheBlock) == 21);
static_assert(sizeof(FeatureBlock) == 35 && sizeof(DetectionBlock) == 37);

// A zeroed block of the right size.
template <class TBlock>
TBlock NewBlock() {
    TBlock Block{};
    Block.Size = sizeof(TBlock);
    return Block;
}

// FeatureBlock's flags in order: standard feature-word bits, with the three
// extended flags among them.
enum : int { fxMMXEx = -1, fxAMD3DNow = -2, fxAMD3DNowEx = -3 };
constexpr int FeatureBlockFlags[30] = {0,  1,  2,  3,  4,  5,  6,  7,       8,          9,
                                       11, 12, 13, 14, 15, 16, 17, 18,      23,         24,
                                       25, fxMMXEx, fxAMD3DNow, fxAMD3DNowEx, 19, 21, 22, 26, 27, 29};

// Each returns rcOk, or rcWrongSize leaving the block as it was.
int32_t GetCPUIDInfo(TCpuidAPI& Api, CPUIDBlock& Block);
int32_t GetCacheInfo(TCpuidAPI& Api, CacheBlock& Block);
int32_t GetFeatureInfo(TCpuidAPI& Api, FeatureBlock& Block);
int32_t GetDetectedInfo(TCpuidAPI& Api, DetectionBlock& Block);
