#include "cpu/cpuidRise.h"

namespace {
const TModelRow RiseModels[] = {
    {5, {0, 2}, "mP6"},
    {5, {}, "Pentium class"},
};
}  // namespace

const TCpuVendor RiseVendor = {"RiseRiseRise", "Rise ", "Rise Technology", TableModelName<RiseModels>};
