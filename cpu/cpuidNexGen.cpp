#include "cpu/cpuidNexGen.h"

namespace {
const TModelRow NexGenModels[] = {
    {5, {0}, "Nx586"},
    {5, {}, "Pentium class"},
};
}  // namespace

const TCpuVendor NexGenVendor = {"NexGenDriven", "NexGen ", "NexGen Inc", TableModelName<NexGenModels>};
