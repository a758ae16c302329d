#pragma once
// The 30 features the processor page lists, in its order, with the flag of
// TCpuInfo behind each.
#include <array>

class TCpuInfo;

struct TCpuFeatureRow {
    const char* Code;
    const char* Description;
    bool (*Supported)(const TCpuInfo& Info);
};

extern const std::array<TCpuFeatureRow, 30> CpuFeatureTable;
