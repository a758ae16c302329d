#pragma once
// What each vendor module provides: its vendor string, the prefix of full
// names, the long vendor name and the rule that names its models.
#include <initializer_list>
#include <span>
#include <string>

#include "cpu/cpuidAPI.h"

struct TCpuVendor {
    const char* VendorString;  // nullptr: any unrecognised vendor
    const char* Prefix;        // ends with one blank
    const char* LongName;
    std::string (*ModelName)(TCpuidAPI& Api);
};

// One line of a model table; no models means every other model of the family.
struct TModelRow {
    int Family;
    std::initializer_list<int> Models;
    const char* Name;
};

// The first line for the family that takes the model; empty when the table
// does not list the family.
std::string MatchModel(std::span<const TModelRow> Rows, int Family, int Model);

// The rule of a vendor whose models depend on family and model alone.
template <const auto& Rows>
std::string TableModelName(TCpuidAPI& Api) {
    return MatchModel(Rows, Api.Family(), Api.Model());
}
