// The processor sampler on both paths: the NT family's performance data and
// the Windows 95 statistic in the dynamic-data hive.
#include <gmock/gmock.h>

#include <memory>

#include "engine/CpuSampler.h"
#include "tests/fakes/FakePerformanceApi.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/PerfDataBuilder.h"

using testing::ElementsAre;
using testing::ThrowsMessage;

namespace {

constexpr int64_t Second = 10000000;  // 100 ns units

class CpuSamplerTest : public testing::Test {
protected:
    TCpuSampler& Sampler() {
        if (!FSampler) FSampler = std::make_unique<TCpuSampler>(System, Registry);
        return *FSampler;
    }
    void EndProgram() { FSampler.reset(); }
    // The next query answers a processor object with these idle values, Seconds after 12:00.
    void Answer(uint16_t Seconds, std::vector<int64_t> IdleTimes) {
        System.Data = TPerfDataBuilder(PerfTimeAt(Seconds)).Processor(std::move(IdleTimes)).Build().Bytes;
    }

    TFakePerformanceApi System;
    TFakeRegistry Registry;

private:
    std::unique_ptr<TCpuSampler> FSampler;
};

auto Raises(const char* Message) { return ThrowsMessage<ECpuSamplerError>(testing::StrEq(Message)); }

const char* const NoObject = "Unable to locate the \"Processor\" performance object";
const char* const NoCounter = "Unable to locate the \"% of CPU usage\" performance counter";
const char* const OutOfBounds = "CPU index out of bounds";

}  // namespace

TEST_F(CpuSamplerTest, UnknownWindowsVersionStopsTheStart) {
    System.VersionKnown = false;
    EXPECT_THAT([this] { Sampler(); }, Raises("Can't get the Windows version"));
}

TEST_F(CpuSamplerTest, UsageIsTheBusyShareOfEachInstanceBetweenTheLastTwoSamples) {
    Answer(0, {0, 0});
    EXPECT_EQ(Sampler().CpuUsage(0), 0);  // samples itself; nothing earlier to compare with
    Answer(1, {Second / 4, Second});
    Sampler().SampleCpu();
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(0), 0.75);
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(0), 0.75);
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(1), 0);
    Answer(3, {Second / 4 + 3 * Second, Second});  // not held to 0..1
    Sampler().SampleCpu();
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(0), -0.5);
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(1), 1);
}

TEST_F(CpuSamplerTest, TwoSamplesAtTheSameTimeGiveZero) {
    Answer(5, {0});
    Sampler().SampleCpu();
    Answer(5, {Second / 2});
    Sampler().SampleCpu();
    EXPECT_EQ(Sampler().CpuUsage(0), 0);
}

TEST_F(CpuSamplerTest, TheInstanceCountIsFixedAtTheFirstSample) {
    Answer(0, {0, 0});
    Sampler().SampleCpu();
    Answer(1, {Second / 2, Second / 2, 0, 0});
    Sampler().SampleCpu();
    EXPECT_THAT([this] { Sampler().CpuUsage(2); }, Raises(OutOfBounds));
    EXPECT_THAT([this] { Sampler().CpuUsage(-1); }, Raises(OutOfBounds));
    // One instance left: the second keeps both of its values.
    Answer(2, {Second});
    Sampler().SampleCpu();
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(0), 0.5);
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(1), 0.5);
}

TEST_F(CpuSamplerTest, TheBufferGrowsBy4096AndStaysGrown) {
    Answer(0, std::vector<int64_t>(200, 0));  // between 8192 and 12288 bytes
    Sampler().SampleCpu();
    Sampler().SampleCpu();
    EXPECT_THAT(System.QuerySizes(), ElementsAre(8192, 12288, 12288));
}

TEST_F(CpuSamplerTest, ASystemThatAlwaysWantsMoreRoomIsAskedUpTo16MB) {
    System.Data.assign(MAX_PERF_DATA_SIZE + 1, 0);
    EXPECT_THAT([this] { Sampler().SampleCpu(); }, Raises(NoObject));
    EXPECT_EQ(System.QuerySizes().size(), 4095u);
    EXPECT_EQ(System.QuerySizes().back(), 16u << 20);
}

TEST_F(CpuSamplerTest, OnlyWhatASuccessfulQueryWroteIsRead) {
    Answer(0, {0, 0});
    Sampler().SampleCpu();
    System.QueryResult = 5;  // the data is written, but the system says it failed
    EXPECT_THAT([this] { Sampler().SampleCpu(); }, Raises(NoObject));
    // A shorter answer leaves the earlier block's end in the buffer.
    System.QueryResult = 0;
    System.Data.resize(System.Data.size() - 1);
    EXPECT_THAT([this] { Sampler().SampleCpu(); }, Raises(NoObject));
}

TEST_F(CpuSamplerTest, AMissingObjectOrCounterRaisesAndUsageFollowsIt) {
    // The count is taken before the counter is looked for.
    System.Data = TPerfDataBuilder().Processor({0, 0, 0}, false).Build().Bytes;
    EXPECT_THAT([this] { Sampler().CpuUsage(0); }, Raises(NoCounter));
    EXPECT_EQ(Sampler().CpuUsage(2), 0);
    EXPECT_THAT([this] { Sampler().CpuUsage(3); }, Raises(OutOfBounds));
    // Sound data without the object: the system has none, and is not asked again.
    System.Data = TPerfDataBuilder().Other().Build().Bytes;
    EXPECT_THAT([this] { Sampler().SampleCpu(); }, Raises(NoObject));
    const size_t asked = System.QuerySizes().size();
    Answer(1, {0, 0, 0});
    EXPECT_THAT([this] { Sampler().SampleCpu(); }, Raises(NoObject));
    EXPECT_EQ(System.QuerySizes().size(), asked);
}

namespace {

class Win95SamplerTest : public CpuSamplerTest {
protected:
    void SetUp() override { System.PlatformId = VER_PLATFORM_WIN32_WINDOWS_ID; }
    // Creates the key under HKEY_DYN_DATA with its 4-byte statistic.
    void Statistic(const std::string& Key, uint32_t Percent) {
        THKey Handle = 0;
        Registry.CreateKey(HKEY_DYN_DATA_KEY, "PerfStats\\" + Key, Handle);
        Registry.SetValue(Handle, "KERNEL\\CPUUsage", 3 /* REG_BINARY */,
                          {uint8_t(Percent), uint8_t(Percent >> 8), uint8_t(Percent >> 16), uint8_t(Percent >> 24)});
        Registry.CloseKey(Handle);
    }
};

MATCHER_P2(IsOpen, Path, Access, "") { return arg.Path == Path && arg.Access == Access; }

}  // namespace

TEST_F(Win95SamplerTest, TheCollectionOpensAtTheFirstReadingAndClosesOnce) {
    Statistic("StartStat", 0);
    Statistic("StatData", 37);
    Statistic("StopStat", 0);
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(0), 0.37);
    EXPECT_EQ(Registry.OpenHandles(), 1);  // StatData stays open
    Statistic("StatData", 5);
    Sampler().SampleCpu();
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(0), 0.05);
    EXPECT_THAT([this] { Sampler().CpuUsage(1); }, Raises(OutOfBounds));
    Sampler().StopCpuSampling();
    Sampler().StopCpuSampling();
    EXPECT_EQ(Registry.OpenHandles(), 0);
    Sampler().SampleCpu();  // starts it again, and the end of the program stops it
    EndProgram();
    EXPECT_EQ(Registry.OpenHandles(), 0);
    const auto StartStat = IsOpen("hkdd\\perfstats\\startstat", KEY_ALL_ACCESS_RIGHTS);
    const auto StatData = IsOpen("hkdd\\perfstats\\statdata", KEY_READ_RIGHTS);
    const auto StopStat = IsOpen("hkdd\\perfstats\\stopstat", KEY_ALL_ACCESS_RIGHTS);
    EXPECT_THAT(Registry.Opens(), ElementsAre(StartStat, StatData, StopStat, StartStat, StatData, StopStat));
}

TEST_F(Win95SamplerTest, KeysThatDoNotOpenLeaveTheCollectionStopped) {
    EXPECT_THAT([this] { Sampler().SampleCpu(); }, Raises("Unable to start performance monitoring"));
    Statistic("StartStat", 0);
    EXPECT_THAT([this] { Sampler().CpuUsage(0); }, Raises("Unable to read performance data"));
    EXPECT_EQ(Registry.OpenHandles(), 0);
    Statistic("StatData", 80);
    EXPECT_DOUBLE_EQ(Sampler().CpuUsage(0), 0.8);
}
