#include "cpu/cpuidCacheLeaves.h"

#include <algorithm>

#include "cpu/cpuidIntf.h"

namespace {

struct TCacheLine {
    uint32_t Level, Type;
    int32_t TCacheSizes::*Size;
};
constexpr TCacheLine CacheLines[] = {{1, ctCode, &TCacheSizes::L1Code},
                                     {1, ctData, &TCacheSizes::L1Data},
                                     {1, ctUnified, &TCacheSizes::Level1},
                                     {2, ctUnified, &TCacheSizes::Level2}};

// Ways × partitions × line size × sets, each stored less one.
int32_t Kilobytes(const TCPUIDRegs& R) {
    const double Bytes =
        ((R.EBX >> 22) + 1.0) * (((R.EBX >> 12) & 0x3FF) + 1.0) * ((R.EBX & 0xFFF) + 1.0) * (R.ECX + 1.0);
    return static_cast<int32_t>(std::min(Bytes / 1024, 2147483647.0));
}

// The first cache of each line's level and type counts.
TCacheSizes FromCacheParameters(TCpuidAPI& Api, uint32_t Leaf) {
    TCacheSizes Sizes;
    for (uint32_t SubLeaf = 0; SubLeaf < MaxCacheSubLeaves; ++SubLeaf) {
        const TCPUIDRegs R = Api.ExecuteLeaf(Leaf, SubLeaf);
        if (CacheType(R) == ctNoCache) break;
        const uint32_t Level = (R.EAX >> 5) & 7;
        for (const TCacheLine& Line : CacheLines)
            if (Line.Level == Level && Line.Type == CacheType(R) && Sizes.*Line.Size == 0)
                Sizes.*Line.Size = Kilobytes(R);
    }
    return Sizes;
}

// The size fields in KB: the level-1 data and code caches in the top bytes of
// ECX and EDX of 0x80000005, the level 2 in the top half of ECX of 0x80000006.
TCacheSizes FromSizeLeaves(TCpuidAPI& Api) {
    TCacheSizes Sizes;
    if (HasExtendedLeaf(Api, cpuidL1Cache)) {
        const TCPUIDRegs R = Api.ExecuteLeaf(cpuidL1Cache);
        Sizes.L1Data = static_cast<int32_t>(R.ECX >> 24);
        Sizes.L1Code = static_cast<int32_t>(R.EDX >> 24);
    }
    if (HasExtendedLeaf(Api, cpuidL2Cache))
        Sizes.Level2 = static_cast<int32_t>(Api.ExecuteLeaf(cpuidL2Cache).ECX >> 16);
    return Sizes;
}

}  // namespace

TCacheSizes DescribedCacheSizes(TCpuidAPI& Api) {
    if (!Api.CPUIDPresent()) return {};
    if (VendorIndex(Api) != viAMD) {
        if (Api.HighestLeaf() < cpuidCacheParameters) return {};
        return FromCacheParameters(Api, cpuidCacheParameters);
    }
    if (HasExtendedLeaf(Api, cpuidCacheParametersAMD) &&
        FeatureBit(Api.ExecuteLeaf(cpuidFeaturesEx).ECX, cpuidTopologyExtensionsBit))
        return FromCacheParameters(Api, cpuidCacheParametersAMD);
    return FromSizeLeaves(Api);
}
