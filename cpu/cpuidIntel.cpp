#include "cpu/cpuidIntel.h"

#include "cpu/cpuidCache.h"

namespace {

// Family 6 models 3, 5 to 8 are told apart by other means, below.
const TModelRow IntelModels[] = {
    {4, {4}, "80486SL"},
    {4, {7}, "80486DX2"},
    {4, {8}, "80486DX4"},
    {4, {}, "486 class"},
    {5, {0, 1}, "Pentium (P5)"},
    {5, {2, 7}, "Pentium (P54C)"},
    {5, {3}, "Pentium 486 OverDrive"},
    {5, {4}, "Pentium MMX"},
    {5, {}, "Pentium class"},
    {6, {0, 1}, "Pentium Pro"},
    {6, {10}, "Pentium III Xeon"},
    {6, {}, "Pentium II/III class"},
    {15, {0}, "Pentium 4"},
    {15, {}, "Pentium 4 class"},
};

const char* ByBrandIndex(int Brand, int Level2) {
    switch (Brand) {
        case 0: return Level2 < 1024 ? "Pentium III" : "Pentium III Xeon";
        case 1: return "Celeron";
        case 2: return "Pentium III";
        case 3: return "Pentium III Xeon";
        case 8: return "Pentium 4";
        default: return "Pentium III class";
    }
}

std::string IntelModelName(TCpuidAPI& Api) {
    int Family = Api.Family(), Model = Api.Model();
    if (Family == 6) {
        int Level2 = Level2Cache(Api);
        switch (Model) {
            case 3: return Api.ProcessorType() == 1 ? "Pentium II Overdrive" : "Pentium II (Model 3)";
            case 5: return Level2 < 128 ? "Celeron (Model 5)" : Level2 < 1024 ? "Pentium II (Model 5)" : "Pentium II Xeon";
            case 6:
                if (Level2 > 128) return "Mobile Pentium II";
                return FeatureBit(Api.FeatureWord(), 18) ? "Mobile Celeron" : "Celeron";
            case 7:
            case 8: return ByBrandIndex(Api.BrandIndex(), Level2);
        }
    }
    return MatchModel(IntelModels, Family, Model);
}

}  // namespace

const TCpuVendor IntelVendor = {"GenuineIntel", "Intel ", "Intel Corporation", IntelModelName};
