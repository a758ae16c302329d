#include "cpu/cpuidUMC.h"

namespace {
const TModelRow UMCModels[] = {
    {4, {1}, "U5D"},
    {4, {2}, "U5S"},
    {4, {}, "Pentium class"},
};
}  // namespace

// The vendor string ends with a blank.
const TCpuVendor UMCVendor = {"UMC UMC UMC ", "UMC ", "United Microelectronics Corp", TableModelName<UMCModels>};
