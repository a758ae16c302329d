#pragma once
// The objects TCpuInfo owns. All but AutoBench and VersionInfo hold results
// and fill themselves from the library's request blocks.
#include <cstdint>
#include <string>

#include "cpu/CpuResult.h"
#include "cpu/cpuidAPI.h"
#include "cpu/cpuidVersionInfo.h"

class TCpuInfo;

// Whether Loaded measures the clock, and for how many milliseconds.
class TCpuAutoBench : public TCpuSubObject {
public:
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    int32_t Delay() const { return FDelay; }
    void SetDelay(int32_t Value) { FDelay = Value; }

private:
    bool FEnabled = false;
    int32_t FDelay = 500;
};

class TCpuIdInfo : public TCpuSubObject {
public:
    explicit TCpuIdInfo(TCpuidAPI& Api);
    CPU_RESULT(bool, Available)
    CPU_RESULT(int32_t, MaxLevel)    // -1 without CPUID
    CPU_RESULT(int32_t, MaxLevelEx)  // extended level count; -1 without CPUID

private:
    bool FAvailable = false;
    int32_t FMaxLevel = 0;
    int32_t FMaxLevelEx = 0;
};

// Signature fields and raw words; numbers are -1 without CPUID.
class TCpuDetectedInfo : public TCpuSubObject {
public:
    explicit TCpuDetectedInfo(TCpuidAPI& Api);
    CPU_RESULT(int32_t, cpuFamily)
    CPU_RESULT(int32_t, cpuFamilyEx)
    CPU_RESULT(int32_t, cpuModel)
    CPU_RESULT(int32_t, cpuModelEx)
    CPU_RESULT(int32_t, cpuStepping)
    CPU_RESULT(int32_t, cpuType)
    CPU_RESULT(int32_t, FeatureSet)
    CPU_RESULT(int32_t, FeatureSetEx)
    CPU_RESULT(int32_t, Signature)
    CPU_RESULT(std::string, VendorID)
    CPU_RESULT(int32_t, Brand)

private:
    int32_t FcpuFamily = 0;
    int32_t FcpuFamilyEx = 0;
    int32_t FcpuModel = 0;
    int32_t FcpuModelEx = 0;
    int32_t FcpuStepping = 0;
    int32_t FcpuType = 0;
    int32_t FFeatureSet = 0;
    int32_t FFeatureSetEx = 0;
    int32_t FSignature = 0;
    std::string FVendorID;
    int32_t FBrand = 0;
};

#define CPU_FEATURE(Name, Bit) \
    bool Name() const { return FeatureBit(FBits, Bit); }

// Bits of the standard feature word.
class TCpuFeatureSet : public TCpuSubObject {
public:
    explicit TCpuFeatureSet(TCpuidAPI& Api);
    CPU_FEATURE(FPU, 0)
    CPU_FEATURE(VME, 1)
    CPU_FEATURE(DE, 2)
    CPU_FEATURE(PSE, 3)
    CPU_FEATURE(TSC, 4)
    CPU_FEATURE(MSR, 5)
    CPU_FEATURE(PAE, 6)
    CPU_FEATURE(MCE, 7)
    CPU_FEATURE(CX8, 8)
    CPU_FEATURE(APIC, 9)
    CPU_FEATURE(SEP, 11)
    CPU_FEATURE(MTRR, 12)
    CPU_FEATURE(PGE, 13)
    CPU_FEATURE(MCA, 14)
    CPU_FEATURE(CMOV, 15)
    CPU_FEATURE(PAT, 16)
    CPU_FEATURE(PSE36, 17)
    CPU_FEATURE(SERIAL, 18)
    CPU_FEATURE(MMX, 23)
    CPU_FEATURE(XSR, 24)  // FXSAVE/FXRSTOR
    CPU_FEATURE(SIMD, 25)
    CPU_FEATURE(SIMD2, 26)
    CPU_FEATURE(CLFLUSH, 19)
    CPU_FEATURE(DTS, 21)
    CPU_FEATURE(ACPI, 22)
    CPU_FEATURE(SS, 27)
    CPU_FEATURE(TM, 29)

private:
    uint32_t FBits = 0;
};

#undef CPU_FEATURE

class TCpuExFeatureSet : public TCpuSubObject {
public:
    explicit TCpuExFeatureSet(TCpuidAPI& Api);
    CPU_RESULT(bool, MMXEx)  // AMD and Cyrix only
    CPU_RESULT(bool, AMD3DNow)
    CPU_RESULT(bool, AMD3DNowEx)

private:
    bool FMMXEx = false;
    bool FAMD3DNow = false;
    bool FAMD3DNowEx = false;
};

// Sizes in KB, 0 when not found; filled last of all by the component.
class TCpuCacheInfo : public TCpuSubObject {
public:
    CPU_RESULT(int32_t, L1Data)
    CPU_RESULT(int32_t, L1Code)
    CPU_RESULT(int32_t, Level1)  // unified
    CPU_RESULT(int32_t, Level2)

private:
    friend class TCpuInfo;
    void Fill(TCpuidAPI& Api);

    int32_t FL1Data = 0;
    int32_t FL1Code = 0;
    int32_t FLevel1 = 0;
    int32_t FLevel2 = 0;
};

class TCpuInfoVersions : public TCpuSubObject {
public:
    TCpuInfoVersions();
    const TCpuVersionInfo& Library() const { return FLibrary; }
    const TCpuVersionInfo& Component() const { return FComponent; }

private:
    TCpuVersionInfo FLibrary;
    TCpuVersionInfo FComponent;
};
