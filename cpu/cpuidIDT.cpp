#include "cpu/cpuidIDT.h"

namespace {
const TModelRow IDTModels[] = {
    {5, {4}, "C6"},
    {5, {8}, "C2"},
    {5, {9}, "C3"},
    {5, {}, "Pentium class"},
};
}  // namespace

const TCpuVendor IDTVendor = {"CentaurHauls", "IDT ", "IDT/Centaur", TableModelName<IDTModels>};
