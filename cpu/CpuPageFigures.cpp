#include "cpu/CpuPageFigures.h"

#include "core/Blanks.h"
#include "cpu/cpuidCacheLeaves.h"

namespace {

// The tables read only the 4-bit family and model: a signature with extended
// family or model bits (family or model 16 and beyond) is a processor they
// have no row for, whatever row its short fields fall on.
bool TablesNameTheModel(const TCpuInfo& Info) {
    const uint32_t Signature = static_cast<uint32_t>(Info.InternalResults().Signature());
    return !Info.CPU().empty() && (Signature & 0x0FFF0000u) == 0;
}

// Empty where the processor reports no brand string.
std::string BrandName(TCpuidAPI& Api) {
    return HasExtendedLeaf(Api, cpuidBrandString3) ? TrimBlanks(Api.BrandString()) : std::string();
}

}  // namespace

TCpuPageFigures CpuPageFigures(const TCpuInfo& Info, TCpuidAPI& Api) {
    const TCpuCacheInfo& Cache = Info.Cache();
    TCpuPageFigures Shown{Info.FullName(), {Cache.L1Code(), Cache.L1Data(), Cache.Level1(), Cache.Level2()}};
    if (!TablesNameTheModel(Info))
        if (std::string Brand = BrandName(Api); !Brand.empty()) Shown.Name = Brand;
    const TCacheSizes Described = DescribedCacheSizes(Api);
    for (int32_t TCacheSizes::*Size :
         {&TCacheSizes::L1Code, &TCacheSizes::L1Data, &TCacheSizes::Level1, &TCacheSizes::Level2})
        if (Shown.Caches.*Size == 0) Shown.Caches.*Size = Described.*Size;
    return Shown;
}
