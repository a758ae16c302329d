// The clock measurement on a virtual tick count and time-stamp counter, and
// the clock's text.
#include <gmock/gmock.h>

#include "sysinfo/ClockSpeed.h"
#include "sysinfo/SystemInfo.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeSystemInfoApi.h"

TEST(ClockSpeedTest, CountsFromTheFirstTickChangeToASecondAfterTheStart) {
    const struct {
        const char* What;
        uint64_t Start;
        uint32_t TickStep;
        uint64_t CyclesPerMillisecond, CounterBase;
        double Mhz;
    } Cases[] = {
        {"1 ms ticks, 1 GHz", 5000, 1, 1'000'000, 0, 999},
        {"55 ms ticks of Windows 95", 1100, 55, 1'000'000, 0, 990},
        {"the tick count wraps during the second", 0xFFFFFF00, 16, 2'000'000, 0, 1984},
        {"the tick count wraps at the first change", 0xFFFFFFFF, 1, 2'000'000, 0, 1998},
        {"the counter passes 2^63", 7000, 1, 1'000'000, (uint64_t(1) << 63) - 7'500'000'000, 999},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.What);
        TFakeSystemInfoApi System;
        System.Now = Case.Start;
        System.TickStep = Case.TickStep;
        System.CyclesPerMillisecond = Case.CyclesPerMillisecond;
        System.CounterBase = Case.CounterBase;
        EXPECT_DOUBLE_EQ(static_cast<double>(MeasureClockMhz(System, &System)), Case.Mhz);
        EXPECT_EQ(System.CounterReads, 2);
    }
}

TEST(ClockSpeedTest, WithoutATimeStampCounterTheClockIsZeroAtOnce) {
    TFakeSystemInfoApi System;
    TFakeRegistry Registry;
    const TSystemInfoLines Lines = InfoSystemLines({System, Registry, nullptr}, DetectWindowsVersion(System), 0, ',');
    EXPECT_EQ(Lines.CpuSpeed, "Vitesse réelle Processeur : 0 Mhz");
    EXPECT_EQ(System.TickReads + System.CounterReads, 0);
}

TEST(ClockSpeedTest, TextHasTwoDecimalsAtMostFifteenDigitsAndTheUsersSeparator) {
    const std::tuple<long double, char, const char*> Cases[] = {
        {999.0L, ',', "999"},          {1998.3749L, ',', "1998,37"},
        {1998.376L, '.', "1998.38"},   {2400.004L, ',', "2400"},
        {0.004L, ',', "0"},            {12345678901234.567L, '.', "12345678901234.6"},
    };
    for (const auto& [Mhz, Separator, Text] : Cases) EXPECT_EQ(ClockMhzText(Mhz, Separator), Text);
}
