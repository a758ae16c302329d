#include "cpu/cpuidVendor.h"

#include <algorithm>

std::string MatchModel(std::span<const TModelRow> Rows, int Family, int Model) {
    for (const TModelRow& Row : Rows) {
        if (Row.Family != Family) continue;
        if (Row.Models.size() == 0 || std::ranges::find(Row.Models, Model) != Row.Models.end()) return Row.Name;
    }
    return "";
}
