#pragma once
// The processor clock, counted on the time-stamp counter over about a second
// of the tick count.
#include <string>

#include "cpu/cpuidSource.h"
#include "platform/SystemInfoApi.h"

// In MHz; busy-waits for about one second. Counter is null on a processor
// without a time-stamp counter, where reading it would fault: the result is
// then 0 at once.
long double MeasureClockMhz(TSystemInfoApi& System, TTimeStampCounter* Counter);

// Rounded to two decimals, in the general format of at most 15 significant
// digits, with the user's decimal separator: "1998,37".
std::string ClockMhzText(long double Mhz, char DecimalSeparator);
