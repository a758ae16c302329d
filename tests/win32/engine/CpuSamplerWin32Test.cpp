// The processor sampler and estimator on the real system: Wine answers the
// performance-data query with a block holding no objects, and has GetSystemTimes.
#include <gmock/gmock.h>
#include <windows.h>
#include <winperf.h>

#include <cstring>
#include <vector>

#include "engine/CpuEstimator.h"
#include "engine/CpuSampler.h"
#include "engine/PerfData.h"
#include "platform/win32/Win32PerformanceApi.h"
#include "platform/win32/Win32Registry.h"

namespace {

template <typename T>
size_t Append(std::vector<uint8_t>& Bytes, const T& Record) {
    const size_t At = Bytes.size();
    Bytes.resize(At + sizeof(Record));
    std::memcpy(Bytes.data() + At, &Record, sizeof(Record));
    return At;
}

// A processor object laid out with the system's own structures: one counter,
// then each instance with its counter block holding the 64-bit value.
std::vector<uint8_t> SystemLaidOutBlock(const SYSTEMTIME& Time, const std::vector<LONGLONG>& Idle) {
    std::vector<uint8_t> Bytes;
    PERF_DATA_BLOCK Header{};
    Header.HeaderLength = sizeof(Header);
    Header.NumObjectTypes = 1;
    Header.SystemTime = Time;
    Append(Bytes, Header);
    PERF_OBJECT_TYPE Object{};
    Object.HeaderLength = sizeof(Object);
    Object.DefinitionLength = sizeof(Object) + sizeof(PERF_COUNTER_DEFINITION);
    Object.ObjectNameTitleIndex = 238;
    Object.NumCounters = 1;
    Object.NumInstances = static_cast<LONG>(Idle.size());
    const size_t ObjectAt = Append(Bytes, Object);
    PERF_COUNTER_DEFINITION Counter{};
    Counter.ByteLength = sizeof(Counter);
    Counter.CounterNameTitleIndex = 6;
    Counter.CounterSize = sizeof(LONGLONG);
    Counter.CounterOffset = 8;
    Append(Bytes, Counter);
    for (LONGLONG Value : Idle) {
        PERF_INSTANCE_DEFINITION Instance{};
        Instance.ByteLength = sizeof(Instance);
        Append(Bytes, Instance);
        PERF_COUNTER_BLOCK Block{};
        Block.ByteLength = 16;
        Append(Bytes, Block);
        Append(Bytes, DWORD{0});
        Append(Bytes, Value);
    }
    reinterpret_cast<PERF_OBJECT_TYPE*>(Bytes.data() + ObjectAt)->TotalByteLength = Bytes.size() - ObjectAt;
    return Bytes;
}

std::optional<int64_t> SystemFileTime(const SYSTEMTIME& Time) {
    FILETIME File{};
    if (!::SystemTimeToFileTime(&Time, &File)) return std::nullopt;
    return static_cast<int64_t>(static_cast<uint64_t>(File.dwHighDateTime) << 32 | File.dwLowDateTime);
}

// Wine's SystemTimeToFileTime accepts 29 February of every year, which Windows
// refuses, as we do; there those dates are compared too.
bool WineDiffers(const SYSTEMTIME& T) {
    static const bool UnderWine =
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    const bool CommonYear = T.wYear % 4 != 0 || (T.wYear % 100 == 0 && T.wYear % 400 != 0);
    return UnderWine && T.wMonth == 2 && T.wDay == 29 && CommonYear;
}

TSystemTime Portable(const SYSTEMTIME& T) {
    return {T.wYear, T.wMonth, T.wDayOfWeek, T.wDay, T.wHour, T.wMinute, T.wSecond, T.wMilliseconds};
}

}  // namespace

TEST(CpuSamplerWin32Test, TheParserReadsABlockLaidOutWithTheSystemsStructures) {
    SYSTEMTIME Now{};
    ::GetSystemTime(&Now);
    const std::vector<uint8_t> Bytes = SystemLaidOutBlock(Now, {123456789012345, -7});
    const TProcessorData Data = ParseProcessorData(Bytes);
    EXPECT_EQ(Data.Find, pfFound);
    EXPECT_THAT(Data.IdleTimes, testing::ElementsAre(123456789012345, -7));
    EXPECT_EQ(Data.Time, SystemFileTime(Now));
}

TEST(CpuSamplerWin32Test, FileTimesAreTheSystemsOwn) {
    const WORD Years[] = {1600, 1601, 1602, 1700, 1900, 1999, 2000, 2004, 2038, 2100, 2400, 9999, 30827};
    for (WORD Year : Years)
        for (WORD Month = 0; Month <= 13; ++Month)
            for (WORD Day = 0; Day <= 32; ++Day) {
                const SYSTEMTIME Time{Year, Month, static_cast<WORD>(Day % 7), Day, 23, 59, 59, 999};
                if (WineDiffers(Time)) continue;
                ASSERT_EQ(FileTimeFromSystemTime(Portable(Time)), SystemFileTime(Time))
                    << Year << "-" << Month << "-" << Day;
            }
    const SYSTEMTIME Edges[] = {
        {2004, 6, 2, 15, 24, 0, 0, 0}, {2004, 6, 2, 15, 0, 60, 0, 0}, {2004, 6, 2, 15, 0, 0, 60, 0},
        {2004, 6, 2, 15, 0, 0, 0, 1000}, {1601, 1, 1, 1, 0, 0, 0, 0}, {1601, 1, 1, 1, 0, 0, 0, 1},
    };
    for (const SYSTEMTIME& Time : Edges)
        EXPECT_EQ(FileTimeFromSystemTime(Portable(Time)), SystemFileTime(Time))
            << Time.wHour << ":" << Time.wMinute << ":" << Time.wSecond << "." << Time.wMilliseconds;
}

TEST(CpuSamplerWin32Test, WinesPerformanceDataHasNoProcessorObject) {
    TWin32PerformanceApi System;
    TWin32Registry Registry;
    TCpuSampler Sampler(System, Registry);
    EXPECT_THAT([&] { Sampler.SampleCpu(); },
                testing::ThrowsMessage<ECpuSamplerError>(
                    testing::StrEq("Unable to locate the \"Processor\" performance object")));
    EXPECT_EQ(TCpuEstimator(System).ReadIdleTime(), std::nullopt);
}

TEST(CpuSamplerWin32Test, TheEstimateFromTheSystemsIdleTimeRisesWhileThisThreadIsBusy) {
    TWin32PerformanceApi System;
    ASSERT_TRUE(System.SystemIdleTime());
    TCpuEstimator Estimator(System);
    EXPECT_EQ(Estimator.EstimateCpuUsage(), 0);
    const DWORD Start = ::GetTickCount();
    volatile uint32_t Spin = 0;
    while (::GetTickCount() - Start < 1000) Spin = Spin + 1;
    // One busy thread keeps one processor of all of them busy.
    const uint32_t Processors = System.ProcessorCount();
    EXPECT_GE(Estimator.EstimateCpuUsage(), static_cast<int32_t>(50 / Processors)) << Processors << " processors";
}
