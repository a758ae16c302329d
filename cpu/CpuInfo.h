#pragma once
// TCpuInfo identifies the processor once, when it is created, and is then a
// read-only record of what it found; Loaded may add the clock speed and the
// processor's own brand name.
#include <cstdint>
#include <string>

#include "cpu/CpuInfoObjects.h"
#include "cpu/CpuResult.h"
#include "cpu/cpuidAPI.h"
#include "core/Component.h"

class TCpuInfo : public TComponent {
public:
    TCpuInfo(TComponent* AOwner, const TCpuSources& Sources);

    // After the published properties are read: measures Speed when AutoBench
    // says so, and takes the brand string as FullName where there is one.
    void Loaded() override;

    TCpuAutoBench& AutoBench() { return FAutoBench; }
    const TCpuAutoBench& AutoBench() const { return FAutoBench; }
    TCpuIdInfo& CPUID() { return FCPUID; }
    const TCpuIdInfo& CPUID() const { return FCPUID; }
    TCpuDetectedInfo& InternalResults() { return FInternalResults; }
    const TCpuDetectedInfo& InternalResults() const { return FInternalResults; }
    TCpuFeatureSet& FeatureSet() { return FFeatureSet; }
    const TCpuFeatureSet& FeatureSet() const { return FFeatureSet; }
    TCpuExFeatureSet& FeatureSetEx() { return FFeatureSetEx; }
    const TCpuExFeatureSet& FeatureSetEx() const { return FFeatureSetEx; }
    TCpuInfoVersions& VersionInfo() { return FVersionInfo; }
    const TCpuInfoVersions& VersionInfo() const { return FVersionInfo; }
    TCpuCacheInfo& Cache() { return FCache; }
    const TCpuCacheInfo& Cache() const { return FCache; }

    CPU_RESULT(int32_t, Count)  // processors the operating system reports, 0 to 255
    CPU_RESULT(std::string, CPU)
    CPU_RESULT(bool, FDivBug)
    CPU_RESULT(std::string, FullName)
    CPU_RESULT(bool, OverDrive)
    CPU_RESULT(bool, MMX)
    CPU_RESULT(int32_t, Speed)  // MHz; 0 until measured
    CPU_RESULT(std::string, Serial)
    CPU_RESULT(std::string, Vendor)

private:
    TCpuidAPI FApi;
    // Created in this order and destroyed in the reverse one.
    TCpuAutoBench FAutoBench;
    TCpuIdInfo FCPUID;
    TCpuDetectedInfo FInternalResults;
    TCpuFeatureSet FFeatureSet;
    TCpuExFeatureSet FFeatureSetEx;
    TCpuInfoVersions FVersionInfo;
    TCpuCacheInfo FCache;

    int32_t FCount = 0;
    bool FFDivBug = false;
    bool FOverDrive = false;
    bool FMMX = false;
    int32_t FSpeed = 0;
    std::string FCPU;
    std::string FFullName;
    std::string FSerial;
    std::string FVendor;
};
