#include "sysinfo/ClockSpeed.h"

#include <algorithm>
#include <cstdio>

#include "core/Rounding.h"

long double MeasureClockMhz(TSystemInfoApi& System, TTimeStampCounter* Counter) {
    if (!Counter) return 0;
    // Both waits compare differences, unsigned, so that they also end when the
    // tick count wraps past 2^32 during the measurement.
    const uint32_t Start = System.GetTickCount();
    while (System.GetTickCount() == Start) {
    }
    const uint64_t First = Counter->ReadTimeStampCounter();
    while (static_cast<uint32_t>(System.GetTickCount() - Start) < 1000) {
    }
    const uint64_t Last = Counter->ReadTimeStampCounter();
    return (static_cast<long double>(Last) - static_cast<long double>(First)) / 1000000;
}

std::string ClockMhzText(long double Mhz, char DecimalSeparator) {
    const double Rounded = static_cast<double>(RoundHalfEven(static_cast<double>(Mhz / 0.01L))) * 0.01;
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.15g", Rounded);
    std::string Result = Text;
    std::replace(Result.begin(), Result.end(), '.', DecimalSeparator);
    return Result;
}
