#include "cpu/cpuidIntf.h"

#include "cpu/cpuidAMD.h"
#include "cpu/cpuidCache.h"
#include "cpu/cpuidCyrix.h"
#include "cpu/cpuidDefault.h"
#include "cpu/cpuidIDT.h"
#include "cpu/cpuidIntel.h"
#include "cpu/cpuidNexGen.h"
#include "cpu/cpuidRise.h"
#include "cpu/cpuidUMC.h"

namespace {

// In vendor-index order.
const TCpuVendor* const Vendors[] = {&DefaultVendor, &IntelVendor,  &AMDVendor,  &CyrixVendor,
                                     &IDTVendor,     &NexGenVendor, &UMCVendor,  &RiseVendor};

template <class TBlock>
bool WrongSize(const TBlock& Block) {
    return Block.Size != sizeof(TBlock);
}

bool MMXEx(int Vendor, uint32_t FeaturesEx) {
    switch (Vendor) {
        case viAMD: return FeatureBit(FeaturesEx, 22);
        case viCyrix: return FeatureBit(FeaturesEx, 24);
        default: return false;
    }
}

}  // namespace

int VendorIndex(TCpuidAPI& Api) {
    std::string Vendor = Api.VendorString();
    for (int Index = viIntel; Index <= viRise; ++Index)
        if (Vendor == Vendors[Index]->VendorString) return Index;
    return viUnknown;
}

const TCpuVendor& CpuVendor(int Index) { return *Vendors[Index]; }

int32_t GetCPUIDInfo(TCpuidAPI& Api, CPUIDBlock& Block) {
    if (WrongSize(Block)) return rcWrongSize;
    bool Present = Api.CPUIDPresent();
    Block.Available = Present;
    Block.MaxLevel = Present ? static_cast<int32_t>(Api.HighestLeaf()) : -1;
    Block.MaxLevelEx = Present ? Api.ExtendedLevels() : -1;
    return rcOk;
}

int32_t GetCacheInfo(TCpuidAPI& Api, CacheBlock& Block) {
    if (WrongSize(Block)) return rcWrongSize;
    TCacheSizes Sizes = CacheSizes(Api);
    Block.L1Code = Sizes.L1Code;
    Block.L1Data = Sizes.L1Data;
    Block.Level1 = Sizes.Level1;
    Block.Level2 = Sizes.Level2;
    return rcOk;
}

int32_t GetFeatureInfo(TCpuidAPI& Api, FeatureBlock& Block) {
    if (WrongSize(Block)) return rcWrongSize;
    // Without CPUID every flag is off (the readings would be -1, all bits set).
    bool Present = Api.CPUIDPresent();
    uint32_t Features = Present ? Api.FeatureWord() : 0;
    uint32_t FeaturesEx = Present ? Api.FeatureWordEx() : 0;
    int Vendor = VendorIndex(Api);
    for (int Flag = 0; Flag < 30; ++Flag) {
        switch (int Bit = FeatureBlockFlags[Flag]) {
            case fxMMXEx: Block.Flags[Flag] = MMXEx(Vendor, FeaturesEx); break;
            case fxAMD3DNow: Block.Flags[Flag] = FeatureBit(FeaturesEx, 31); break;
            case fxAMD3DNowEx: Block.Flags[Flag] = FeatureBit(FeaturesEx, 30); break;
            default: Block.Flags[Flag] = FeatureBit(Features, Bit);
        }
    }
    return rcOk;
}

int32_t GetDetectedInfo(TCpuidAPI& Api, DetectionBlock& Block) {
    if (WrongSize(Block)) return rcWrongSize;
    Block.Signature = Api.Signature();
    Block.ProcessorType = Api.ProcessorType();
    Block.Family = Api.Family();
    Block.FamilyEx = Api.FamilyEx();
    Block.Model = Api.Model();
    Block.ModelEx = Api.ModelEx();
    Block.Stepping = Api.Stepping();
    Block.Brand = Api.BrandIndex();
    return rcOk;
}
