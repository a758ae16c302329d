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

// Bytes in whole megabytes (of 1,048,576 bytes), a half going to the even neighbour.
inline int64_t RoundedMegabytes(int64_t Bytes) { return RoundHalfEven(static_cast<double>(Bytes) / 1024 / 1024); }

// The system's multiply-then-divide: Number × Numerator / Denominator with a
// 64-bit product, rounded to the nearest integer, a half away from zero (the
// sign taken from the two factors); -1 when Denominator is 0 or the result
// lies outside ±2147483647.
inline int32_t MulDivRound(int32_t Number, int32_t Numerator, int32_t Denominator) {
    if (Denominator == 0) return -1;
    int64_t number = Number, divisor = Denominator;
    if (divisor < 0) {
        number = -number;
        divisor = -divisor;
    }
    const bool positive = (number < 0) == (Numerator < 0);
    const int64_t product = number * Numerator;
    const int64_t result = (positive ? product + divisor / 2 : product - divisor / 2) / divisor;
    if (result > 2147483647 || result < -2147483647) return -1;
    return static_cast<int32_t>(result);
}
