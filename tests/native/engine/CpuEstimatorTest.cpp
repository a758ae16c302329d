// The second estimate: idle time against the tick count, from the performance
// data or, without it, from GetSystemTimes.
#include <gmock/gmock.h>

#include "engine/CpuEstimator.h"
#include "tests/fakes/FakePerformanceApi.h"
#include "tests/fakes/PerfDataBuilder.h"

using testing::ElementsAre;

namespace {

constexpr int64_t Second = 10000000;  // 100 ns units

class CpuEstimatorTest : public testing::Test {
protected:
    // The next call comes at Tick with this idle time of the first processor.
    void Answer(uint32_t Tick, int64_t Idle) {
        System.Tick = Tick;
        System.Data = TPerfDataBuilder().Processor({Idle, 0}).Build().Bytes;
    }
    // The next call comes at Tick with performance data lacking the processor object.
    void AnswerWithoutData(uint32_t Tick, std::optional<int64_t> SystemIdle) {
        System.Tick = Tick;
        System.Data = TPerfDataBuilder().Build().Bytes;
        System.IdleTime = SystemIdle;
    }

    TFakePerformanceApi System;
    TCpuEstimator Estimator{System};
};

}  // namespace

TEST_F(CpuEstimatorTest, ReadsTheFirstInstanceOrNothing) {
    Answer(1, 1234);
    EXPECT_EQ(Estimator.ReadIdleTime(), 1234);
    System.Data = TPerfDataBuilder().Processor({5}, false).Build().Bytes;
    EXPECT_EQ(Estimator.ReadIdleTime(), std::nullopt);
    System.Data = TPerfDataBuilder().Build().Bytes;
    EXPECT_EQ(Estimator.ReadIdleTime(), std::nullopt);
}

TEST_F(CpuEstimatorTest, EveryReadingStartsAt64KAndDoublesUpTo16MB) {
    System.Data = TPerfDataBuilder().Processor(std::vector<int64_t>(1500, 7)).Build().Bytes;  // over 64 KB
    EXPECT_EQ(Estimator.ReadIdleTime(), 7);
    EXPECT_EQ(Estimator.ReadIdleTime(), 7);
    EXPECT_THAT(System.QuerySizes(), ElementsAre(65536, 131072, 65536, 131072));
    System.Data.assign(MAX_PERF_DATA_SIZE + 1, 0);
    EXPECT_EQ(Estimator.ReadIdleTime(), std::nullopt);
    EXPECT_EQ(System.QuerySizes().size(), 4u + 9u);
    EXPECT_EQ(System.QuerySizes().back(), 16u << 20);
}

struct TStep {
    uint32_t Tick;
    int64_t Idle;
    int32_t Percent;
};

TEST_F(CpuEstimatorTest, PercentIsTheBusyShareSinceTheLastCall) {
    const TStep Steps[] = {
        {1000, 0, 0},                          // first call
        {2000, Second, 0},                     // idle all along
        {3000, Second + Second / 4, 75},       // a quarter idle
        {3000, 5 * Second, 0},                 // the same millisecond
        {3200, 5 * Second + Second / 40, 88},  // 12.5% idle: the half goes to the even neighbour
        {4200, 5 * Second + Second / 40, 100},
        {5200, 9 * Second, 0},                 // more idle than elapsed
        {6200, Second, 100},                   // idle going backwards
        {4294966796u, Second, 100},            // 500 ms before the tick count wraps round
        {500, Second + Second / 2, 50},        // and 500 ms after
    };
    for (const TStep& Step : Steps) {
        Answer(Step.Tick, Step.Idle);
        EXPECT_EQ(Estimator.EstimateCpuUsage(), Step.Percent) << "at " << Step.Tick;
    }
}

TEST_F(CpuEstimatorTest, WithoutProcessorDataTheSystemIdleTimeIsSharedOutOverTheProcessors) {
    System.Processors = 2;
    AnswerWithoutData(1000, 0);
    EXPECT_EQ(Estimator.EstimateCpuUsage(), 0);
    AnswerWithoutData(2000, Second);  // both processors half idle
    EXPECT_EQ(Estimator.EstimateCpuUsage(), 50);
}

TEST_F(CpuEstimatorTest, NoLoadIsReportedThatWasNotMeasured) {
    Answer(1000, 0);
    EXPECT_EQ(Estimator.EstimateCpuUsage(), 0);
    System.QueryResult = 5;  // the query fails this time: GetSystemTimes answers
    System.IdleTime = 0;
    System.Tick = 2000;
    EXPECT_EQ(Estimator.EstimateCpuUsage(), 0);  // a reading of another source
    System.QueryResult = 0;
    Answer(3000, Second / 4);
    EXPECT_EQ(Estimator.EstimateCpuUsage(), 0);  // and back
    Answer(4000, Second * 3 / 4);
    EXPECT_EQ(Estimator.EstimateCpuUsage(), 50);

    TCpuEstimator fresh{System};
    AnswerWithoutData(5000, std::nullopt);
    EXPECT_EQ(fresh.EstimateCpuUsage(), 0);
    AnswerWithoutData(6000, std::nullopt);
    EXPECT_EQ(fresh.EstimateCpuUsage(), 0);  // no idle source at all
    AnswerWithoutData(7000, 0);
    EXPECT_EQ(fresh.EstimateCpuUsage(), 0);  // a reading after none
    AnswerWithoutData(8000, Second / 2);
    EXPECT_EQ(fresh.EstimateCpuUsage(), 50);
    const size_t asked = System.QuerySizes().size();
    Answer(9000, 0);  // a system without the processor object is not asked again
    fresh.EstimateCpuUsage();
    EXPECT_EQ(System.QuerySizes().size(), asked);
}
