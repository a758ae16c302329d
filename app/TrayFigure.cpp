#include "app/TrayFigure.h"

#include "core/Rounding.h"

std::string TrayFigure(int64_t FreeMegabytes, char DecimalSeparator) {
    if (FreeMegabytes < 1000) return std::to_string(FreeMegabytes);
    const double gigabytes = FreeMegabytes / 1024.0;
    const int64_t tenths = RoundHalfEven(gigabytes * 10);
    if (tenths < 100) return std::to_string(tenths / 10) + DecimalSeparator + std::to_string(tenths % 10);
    const int64_t whole = RoundHalfEven(gigabytes);
    if (whole < 1000) return std::to_string(whole);
    return std::to_string(RoundHalfEven(gigabytes / 1024)) + "T";
}
