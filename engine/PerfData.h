#pragma once
// The system's performance data as the processor sampler and the estimator read
// it: the records of its 32-bit layout (little-endian), with the fields we use
// under the system's names, and the walk to the processor object's idle counter.
// The bytes come from outside the program, so nothing outside them is read and
// a block that breaks the layout reads as one without the processor object.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/PerformanceApi.h"

constexpr uint32_t PROCESSOR_OBJECT_INDEX = 238;  // "Processor"
constexpr uint32_t IDLE_COUNTER_INDEX = 6;        // "% Processor Time": idle time, 100 ns units

struct TSystemTime {
    uint16_t wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
    uint16_t wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

struct TPerfDataBlock {  // PERF_DATA_BLOCK
    static constexpr uint32_t Size = 88;
    uint32_t HeaderLength = 0;
    uint32_t NumObjectTypes = 0;
    TSystemTime SystemTime;
};

struct TPerfObjectType {  // PERF_OBJECT_TYPE
    static constexpr uint32_t Size = 64;
    uint32_t TotalByteLength = 0;
    uint32_t DefinitionLength = 0;
    uint32_t HeaderLength = 0;
    uint32_t ObjectNameTitleIndex = 0;
    uint32_t NumCounters = 0;
    int32_t NumInstances = 0;
};

struct TPerfCounterDefinition {  // PERF_COUNTER_DEFINITION
    static constexpr uint32_t Size = 40;
    uint32_t ByteLength = 0;
    uint32_t CounterNameTitleIndex = 0;
    uint32_t CounterOffset = 0;
};

struct TPerfInstanceDefinition {  // PERF_INSTANCE_DEFINITION
    static constexpr uint32_t Size = 24;
    uint32_t ByteLength = 0;
};

struct TPerfCounterBlock {  // PERF_COUNTER_BLOCK
    static constexpr uint32_t Size = 4;
    uint32_t ByteLength = 0;
};

// pfNotProvided: a sound block without the processor object, as from a
// system whose performance data does not have it (Wine's); pfNoObject: no
// usable block (a failed query, damaged data).
enum TPerfFind { pfNoObject, pfNotProvided, pfNoCounter, pfFound };

struct TProcessorData {
    TPerfFind Find = pfNoObject;
    int32_t NumInstances = 0;       // known from pfNoCounter on
    std::vector<int64_t> IdleTimes;  // pfFound: the idle counter of each instance, in order
    int64_t Time = 0;                // the block's SystemTime as file time
};

// The first processor object of Data, its idle counter and every instance's value.
TProcessorData ParseProcessorData(std::span<const uint8_t> Data);

constexpr size_t MAX_PERF_DATA_SIZE = 16 << 20;
using TBufferGrowth = size_t (*)(size_t Size);

// Queries the system into Buffer, growing it with Grow (to at most
// MAX_PERF_DATA_SIZE) while it asks for more room, and parses what a
// successful query wrote; a failed one reads as data without the object.
TProcessorData QueryProcessorData(TPerformanceApi& System, std::vector<uint8_t>& Buffer, TBufferGrowth Grow);

// Later - Earlier of two counter readings, wrapping round as the counters
// themselves do instead of overflowing on values from damaged data.
inline int64_t CounterDifference(int64_t Later, int64_t Earlier) {
    return static_cast<int64_t>(static_cast<uint64_t>(Later) - static_cast<uint64_t>(Earlier));
}

// 100 ns units since 1601-01-01 00:00, as SystemTimeToFileTime computes them;
// nothing for a date or time that does not exist (the day of the week is not read).
std::optional<int64_t> FileTimeFromSystemTime(const TSystemTime& Time);
