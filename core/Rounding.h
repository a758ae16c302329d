#pragma once
#include <cmath>
#include <cstdint>

// Nearest integer, a half going to the even neighbour (122.5 -> 122, 123.5 -> 124).
// Independent of the floating-point rounding mode, which other code may change.
inline int64_t RoundHalfEven(double Value) {
    double whole = std::floor(Value);
    double fraction = Value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<int64_t>(whole);
}
