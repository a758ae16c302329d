#include "cpu/CpuInfo.h"

#include "cpu/cpuidDefault.h"
#include "cpu/cpuidIntf.h"

namespace {

// The Pentium's division flaw shows in this one division. The operands are
// volatile so that the compiler cannot work it out in its place.
bool DivisionFails() {
    volatile double Dividend = 4195835.0, Divisor = 3145727.0;
    return (Dividend / Divisor) * Divisor - Dividend != 0.0;
}

}  // namespace

TCpuInfo::TCpuInfo(TComponent* AOwner, const TCpuSources& Sources)
    : TComponent(AOwner),
      FApi(Sources),
      FCPUID(FApi),
      FInternalResults(FApi),
      FFeatureSet(FApi),
      FFeatureSetEx(FApi) {
    bool Present = FApi.CPUIDPresent();
    FCount = static_cast<uint8_t>(FApi.SystemInfo().NumberOfProcessors);
    FFDivBug = Present && DivisionFails();
    FOverDrive = FInternalResults.cpuType() == 1;
    FMMX = FFeatureSet.MMX();
    if (FInternalResults.cpuModel() >= 7 && FFeatureSet.SERIAL()) FSerial = FApi.SerialNumber();
    const TCpuVendor& Vendor = CpuVendor(VendorIndex(FApi));
    FVendor = Vendor.LongName;
    FCPU = Vendor.ModelName(FApi);
    FFullName = Vendor.Prefix + FCPU;
    FCache.Fill(FApi);
}

void TCpuInfo::Loaded() {
    TComponent::Loaded();
    if (FAutoBench.Enabled()) FSpeed = NormaliseSpeed(MeasureSpeed(FApi, FAutoBench.Delay()));
    if (FCPUID.MaxLevelEx() >= 4) FFullName = FApi.BrandString();
}
