#pragma once
// Cache sizes in KB, from the leaf-2 descriptors or the extended cache leaves;
// 0 where nothing tells.
#include <cstdint>

#include "cpu/cpuidAPI.h"

struct TCacheSizes {
    int32_t L1Code = 0;
    int32_t L1Data = 0;
    int32_t Level1 = 0;  // unified
    int32_t Level2 = 0;
};

TCacheSizes CacheSizes(TCpuidAPI& Api);
int32_t Level2Cache(TCpuidAPI& Api);
