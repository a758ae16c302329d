// Clock measurement against a virtual clock, and the snapping of readings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cpu/CpuInfo.h"
#include "cpu/cpuidDefault.h"
#include "tests/native/cpu/CpuTestData.h"
#include "tests/fakes/FakeCpuSystem.h"

namespace {

TEST(NormaliseSpeed, SnapsToUsualFrequencies) {
    const std::pair<double, int32_t> Cases[] = {
        {233.4, 233}, {298.7, 290}, {183.0, 182},   {13.0, 16},    {450.2, 450},
        {666.4, 667}, {699.0, 700}, {1399.6, 1400}, {58.0, 60},    {358.0, 366},
        {-1.0, 0},    {0.4, 0},     {99.9, 90},    {2433.0, 2433}, {2446.0, 2450},
    };
    for (auto [MHz, Speed] : Cases) EXPECT_EQ(Speed, NormaliseSpeed(MHz)) << MHz;
}

TEST(NormaliseSpeed, GivesZeroForWhatIsNoClock) {
    for (double MHz : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 2147483648.0, 1e300, -3e9, 2147483647.0})
        EXPECT_EQ(0, NormaliseSpeed(MHz)) << MHz;
}

// A Pentium III at 1 GHz on the fake system, whose tick count wraps 1008 ms
// from now: a 2000 ms measurement crosses it.
struct MeasureSpeedTest : testing::Test {
    TRecordedCpu Cpu{CpuidDump("pentium3-katmai.dump")};
    TCpuidAPI Api{Cpu.Sources()};
    MeasureSpeedTest() {
        Cpu.System.Ticks = 0xFFFFFC10;
        Cpu.System.PriorityClass = pcHigh;
        Cpu.System.ThreadPriority = 2;
    }
};

TEST_F(MeasureSpeedTest, SurvivesTheTickCountWrap) {
    // From the first tick edge to 2000 ms after the tick before it: 1999 ms.
    EXPECT_FLOAT_EQ(999.5f, MeasureSpeed(Api, 2000));
    EXPECT_LT(Cpu.System.Ticks, 0x1000u) << "the measurement ran across the wrap";
}

TEST_F(MeasureSpeedTest, RaisesPrioritiesAndRestoresThreadThenProcess) {
    MeasureSpeed(Api, 20);
    const std::vector<std::string> Expected = {"GetPriorityClass",    "GetThreadPriority",  "SetPriorityClass 256",
                                               "SetThreadPriority 15", "SetThreadPriority 2", "SetPriorityClass 128"};
    EXPECT_EQ(Expected, Cpu.System.PriorityCalls);
}

TEST_F(MeasureSpeedTest, RefusesADelayBelowOneWithoutTouchingPriorities) {
    EXPECT_EQ(-1.0f, MeasureSpeed(Api, 0));
    EXPECT_EQ(-1.0f, MeasureSpeed(Api, -500));
    EXPECT_TRUE(Cpu.System.PriorityCalls.empty());
}

TEST(AutoBench, MeasuresAtLoadedOnlyWhenEnabled) {
    TRecordedCpu Cpu(CpuidDump("pentium3-katmai.dump"));
    Cpu.System.Ticks = 0xFFFFFC10;
    TCpuInfo Off(nullptr, Cpu.Sources());
    EXPECT_FALSE(Off.AutoBench().Enabled());
    EXPECT_EQ(500, Off.AutoBench().Delay());
    Off.Loaded();
    EXPECT_EQ(0, Off.Speed());
    EXPECT_TRUE(Cpu.System.PriorityCalls.empty());

    TCpuInfo On(nullptr, Cpu.Sources());
    On.AutoBench().SetEnabled(true);
    On.AutoBench().SetDelay(2000);
    EXPECT_EQ(0, On.Speed()) << "nothing is measured before Loaded";
    On.Loaded();
    EXPECT_EQ(1000, On.Speed());
}

TEST(AutoBench, WithoutTimeStampCounterGivesZeroAndLeavesPriorities) {
    for (const char* Name : {"intel-f5-m2.dump", "no-cpuid-486.dump"}) {  // no TSC bit; no CPUID
        TRecordedCpu Cpu(CpuidDump(Name));
        TCpuInfo Info(nullptr, Cpu.Sources());
        Info.AutoBench().SetEnabled(true);
        Info.Loaded();
        EXPECT_EQ(0, Info.Speed()) << Name;
        EXPECT_TRUE(Cpu.System.PriorityCalls.empty()) << Name;
    }
}

}  // namespace
