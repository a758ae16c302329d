#pragma once
// CPUID access: the presence test, the leaf query with its level checks, and
// the raw readings of each leaf. Readings follow one convention: -1 when the
// processor has no CPUID, 0 when the query refuses the leaf.
#include <cstdint>
#include <string>

#include "cpu/cpuidConst.h"
#include "cpu/cpuidSource.h"

// LastError values.
constexpr int32_t leNone = 0;
constexpr int32_t leNoCpuid = -1;
constexpr int32_t leLeafRefused = -2;

class TCpuidAPI {
public:
    explicit TCpuidAPI(const TCpuSources& Sources) : FSources(Sources) {}

    bool CPUIDPresent() const { return FSources.Cpuid.Present(); }
    // Executes the leaf Count times, keeping the last result, when the level
    // checks pass; sets LastError either way.
    bool QueryLeaf(uint32_t Leaf, uint8_t Count, TCPUIDRegs& Regs);
    // Executes the leaf with only the presence test; zeros without CPUID.
    TCPUIDRegs ExecuteLeaf(uint32_t Leaf, uint32_t SubLeaf = 0);
    int32_t LastError() const { return FLastError; }

    uint32_t HighestLeaf() { return ExecuteLeaf(cpuidMaxLevel).EAX; }
    uint32_t HighestLeafEx() { return ExecuteLeaf(cpuidMaxLevelEx).EAX; }
    // 4 for 0x80000004 ... 7; 0 for 8 and beyond, meaningless values, and no CPUID.
    int32_t ExtendedLevels();

    // 12 characters, or "Unknown".
    std::string VendorString();
    int32_t Signature();
    int32_t BrandIndex();
    int32_t FeatureWord();
    int32_t FeatureWordEx();
    int32_t Family() { return SignatureField(8, 0xF); }
    int32_t FamilyEx();
    int32_t Model() { return SignatureField(4, 0xF); }
    int32_t ModelEx();
    int32_t Stepping() { return SignatureField(0, 0xF); }
    int32_t ProcessorType() { return SignatureField(12, 3); }
    // Up to 48 characters, leading blanks kept, cut at the first zero byte.
    std::string BrandString();
    // Signature, then EDX and ECX of the serial-number leaf, as six groups of
    // four hexadecimal digits; empty when a leaf is refused.
    std::string SerialNumber();

    TCpuSystemInfo SystemInfo() { return FSources.Platform.GetSystemInfo(); }
    TCpuPlatform& Platform() { return FSources.Platform; }
    TTimeStampCounter& Counter() { return FSources.Counter; }

private:
    int32_t Reading(uint32_t Leaf, uint32_t TCPUIDRegs::*Word, uint32_t Mask = 0xFFFFFFFFu);
    int32_t SignatureField(int Shift, uint32_t Mask);

    TCpuSources FSources;
    int32_t FLastError = leNone;
};

inline bool FeatureBit(uint32_t Word, int Bit) { return (Word >> Bit) & 1u; }

// Whether the processor has the extended leaf: one above the highest it
// reports answers with another leaf's figures.
inline bool HasExtendedLeaf(TCpuidAPI& Api, uint32_t Leaf) {
    const uint32_t Highest = Api.HighestLeafEx();
    return Highest >= Leaf && Highest <= 0x8000FFFFu;
}
