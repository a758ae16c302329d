#pragma once
// The caches that later processors describe one per sub-leaf, in leaf 4 or
// on AMD in leaf 0x8000001D, or on AMD without that leaf in the size fields
// of 0x80000005 and 0x80000006.
#include <cstdint>

#include "cpu/cpuidAPI.h"
#include "cpu/cpuidCache.h"

// A sub-leaf's cache type (bits 0-4 of EAX); the first sub-leaf of type 0
// ends the list.
enum TCacheType : uint32_t { ctNoCache, ctData, ctCode, ctUnified };
inline uint32_t CacheType(const TCPUIDRegs& Regs) { return Regs.EAX & 0x1F; }
// Sub-leaves read at most, against a list that never ends.
constexpr uint32_t MaxCacheSubLeaves = 64;

// In KB, for the level-1 code, data and unified caches and the unified
// level 2; 0 for one that none of these leaves describes.
TCacheSizes DescribedCacheSizes(TCpuidAPI& Api);
