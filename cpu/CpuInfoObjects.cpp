#include "cpu/CpuInfoObjects.h"

#include "cpu/cpuidIntf.h"

// A request that fails leaves the object's zero values.

TCpuIdInfo::TCpuIdInfo(TCpuidAPI& Api) {
    CPUIDBlock Block = NewBlock<CPUIDBlock>();
    if (GetCPUIDInfo(Api, Block) != rcOk) {
        FMaxLevel = Api.LastError();
        return;
    }
    FAvailable = Block.Available != 0;
    FMaxLevel = Block.MaxLevel;
    FMaxLevelEx = Block.MaxLevelEx;
}

TCpuDetectedInfo::TCpuDetectedInfo(TCpuidAPI& Api) {
    DetectionBlock Block = NewBlock<DetectionBlock>();
    if (GetDetectedInfo(Api, Block) == rcOk) {
        FSignature = Block.Signature;
        FcpuType = Block.ProcessorType;
        FcpuFamily = Block.Family;
        FcpuFamilyEx = Block.FamilyEx;
        FcpuModel = Block.Model;
        FcpuModelEx = Block.ModelEx;
        FcpuStepping = Block.Stepping;
        FBrand = Block.Brand;
    }
    FFeatureSet = Api.FeatureWord();
    FFeatureSetEx = Api.FeatureWordEx();
    if (Api.CPUIDPresent()) FVendorID = Api.VendorString();
}

TCpuFeatureSet::TCpuFeatureSet(TCpuidAPI& Api) {
    FeatureBlock Block = NewBlock<FeatureBlock>();
    if (GetFeatureInfo(Api, Block) != rcOk) return;
    for (int Flag = 0; Flag < 30; ++Flag)
        if (FeatureBlockFlags[Flag] >= 0 && Block.Flags[Flag]) FBits |= 1u << FeatureBlockFlags[Flag];
}

TCpuExFeatureSet::TCpuExFeatureSet(TCpuidAPI& Api) {
    FeatureBlock Block = NewBlock<FeatureBlock>();
    if (GetFeatureInfo(Api, Block) != rcOk) return;
    for (int Flag = 0; Flag < 30; ++Flag) {
        bool On = Block.Flags[Flag] != 0;
        switch (FeatureBlockFlags[Flag]) {
            case fxMMXEx: FMMXEx = On; break;
            case fxAMD3DNow: FAMD3DNow = On; break;
            case fxAMD3DNowEx: FAMD3DNowEx = On; break;
        }
    }
}

void TCpuCacheInfo::Fill(TCpuidAPI& Api) {
    CacheBlock Block = NewBlock<CacheBlock>();
    if (GetCacheInfo(Api, Block) != rcOk) return;
    FL1Code = Block.L1Code;
    FL1Data = Block.L1Data;
    FLevel1 = Block.Level1;
    FLevel2 = Block.Level2;
}

TCpuInfoVersions::TCpuInfoVersions()
    : FLibrary("Copyright (c) the Torvane XP developers", "Torvane XP processor identification library", 1.0f, 45),
      FComponent("Copyright (c) the Torvane XP developers", "Torvane XP processor component", 3.0f, 44) {}
