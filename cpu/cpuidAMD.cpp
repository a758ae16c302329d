#include "cpu/cpuidAMD.h"

namespace {
const TModelRow AMDModels[] = {
    {4, {3, 7, 8, 9}, "Am486"},
    {4, {14, 15}, "Am5x86"},
    {4, {}, "486 class"},
    {5, {0}, "K5 (Model 0)"},
    {5, {1}, "K5 (Model 1)"},
    {5, {2}, "K5 (Model 2)"},
    {5, {3}, "K5 (Model 3)"},
    {5, {6}, "K6 (Model 6)"},
    {5, {7}, "K6 (Model 7)"},
    {5, {8}, "K6-2"},
    {5, {9}, "K6-III"},
    {5, {13}, "K6-2+/K6-III+"},
    {5, {}, "Pentium class"},
    {6, {1, 2, 4}, "Athlon"},
    {6, {3}, "Duron"},
    {6, {}, "Athlon class"},
};
}  // namespace

const TCpuVendor AMDVendor = {"AuthenticAMD", "AMD ", "Advanced Micro Devices", TableModelName<AMDModels>};
