#pragma once
// What the processor page shows: the identification's name and cache sizes,
// except where they know nothing of a processor that came after the model
// tables and the cache readings; there, what the processor says of itself.
#include <string>

#include "cpu/CpuInfo.h"
#include "cpu/cpuidCache.h"

struct TCpuPageFigures {
    std::string Name;
    TCacheSizes Caches;
};

// Info's FullName, or the brand string without its padding where the model
// tables have no name for the processor; Info's cache sizes, each 0 replaced
// by the size the cache leaves describe. Api reads the processor Info
// identified.
TCpuPageFigures CpuPageFigures(const TCpuInfo& Info, TCpuidAPI& Api);
