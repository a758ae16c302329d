#include "cpu/cpuidCyrix.h"

namespace {
const TModelRow CyrixModels[] = {
    {4, {4}, "Media GX"},
    {4, {9}, "Cx5x86"},
    {4, {}, "486 class"},
    {5, {2}, "6x86"},
    {5, {4}, "GXm"},
    {5, {}, "Pentium class"},
    {6, {0}, "6x86MX"},
    {6, {5}, "VIA Cyrix III"},
    {6, {}, "M2 Class"},
};
}  // namespace

const TCpuVendor CyrixVendor = {"CyrixInstead", "Cyrix ", "Cyrix Corporation", TableModelName<CyrixModels>};
