#include "engine/PerfData.h"

#include <algorithm>

#include "platform/RegistryApi.h"

namespace {

// The walk left the data, or met a length shorter than its record.
struct EDamaged {};

class TReader {
public:
    explicit TReader(std::span<const uint8_t> Data) : FData(Data) {}

    uint64_t Size() const { return FData.size(); }
    void Need(uint64_t At, uint64_t Length) const {
        if (At > FData.size() || Length > FData.size() - At) throw EDamaged{};
    }
    uint16_t U16(uint64_t At) const { return static_cast<uint16_t>(Bytes(At, 2)); }
    uint32_t U32(uint64_t At) const { return static_cast<uint32_t>(Bytes(At, 4)); }
    int64_t I64(uint64_t At) const { return static_cast<int64_t>(Bytes(At, 8)); }

private:
    uint64_t Bytes(uint64_t At, unsigned Count) const {
        Need(At, Count);
        uint64_t Value = 0;
        for (unsigned i = Count; i-- > 0;) Value = Value << 8 | FData[At + i];
        return Value;
    }

    std::span<const uint8_t> FData;
};

// A length shorter than its record would make the walk overlap or revisit it.
uint32_t Stride(uint32_t Length, uint32_t RecordSize) {
    if (Length < RecordSize) throw EDamaged{};
    return Length;
}

TSystemTime ReadSystemTime(const TReader& Reader, uint64_t At) {
    TSystemTime Time;
    Time.wYear = Reader.U16(At);
    Time.wMonth = Reader.U16(At + 2);
    Time.wDayOfWeek = Reader.U16(At + 4);
    Time.wDay = Reader.U16(At + 6);
    Time.wHour = Reader.U16(At + 8);
    Time.wMinute = Reader.U16(At + 10);
    Time.wSecond = Reader.U16(At + 12);
    Time.wMilliseconds = Reader.U16(At + 14);
    return Time;
}

TPerfDataBlock ReadDataBlock(const TReader& Reader) {
    Reader.Need(0, TPerfDataBlock::Size);
    TPerfDataBlock Block;
    Block.HeaderLength = Stride(Reader.U32(24), TPerfDataBlock::Size);
    Block.NumObjectTypes = Reader.U32(28);
    Block.SystemTime = ReadSystemTime(Reader, 36);
    return Block;
}

TPerfObjectType ReadObject(const TReader& Reader, uint64_t At) {
    Reader.Need(At, TPerfObjectType::Size);
    TPerfObjectType Object;
    Object.TotalByteLength = Stride(Reader.U32(At), TPerfObjectType::Size);
    Object.DefinitionLength = Stride(Reader.U32(At + 4), TPerfObjectType::Size);
    Object.HeaderLength = Stride(Reader.U32(At + 8), TPerfObjectType::Size);
    Object.ObjectNameTitleIndex = Reader.U32(At + 12);
    Object.NumCounters = Reader.U32(At + 32);
    Object.NumInstances = static_cast<int32_t>(Reader.U32(At + 40));
    return Object;
}

TPerfCounterDefinition ReadCounter(const TReader& Reader, uint64_t At) {
    Reader.Need(At, TPerfCounterDefinition::Size);
    TPerfCounterDefinition Counter;
    Counter.ByteLength = Stride(Reader.U32(At), TPerfCounterDefinition::Size);
    Counter.CounterNameTitleIndex = Reader.U32(At + 4);
    Counter.CounterOffset = Reader.U32(At + 36);
    return Counter;
}

TPerfInstanceDefinition ReadInstance(const TReader& Reader, uint64_t At) {
    Reader.Need(At, TPerfInstanceDefinition::Size);
    return {Stride(Reader.U32(At), TPerfInstanceDefinition::Size)};
}

// The whole block lies inside the data; that the counter lies inside the block
// keeps its length above the block's own size.
TPerfCounterBlock ReadCounterBlock(const TReader& Reader, uint64_t At) {
    Reader.Need(At, TPerfCounterBlock::Size);
    TPerfCounterBlock Block{Reader.U32(At)};
    Reader.Need(At, Block.ByteLength);
    return Block;
}

// Offset of the first object titled "Processor" among the block's objects.
std::optional<uint64_t> FindProcessorObject(const TReader& Reader, const TPerfDataBlock& Block) {
    uint64_t At = Block.HeaderLength;
    for (uint32_t i = 0; i < Block.NumObjectTypes; ++i) {
        TPerfObjectType Object = ReadObject(Reader, At);
        if (Object.ObjectNameTitleIndex == PROCESSOR_OBJECT_INDEX) return At;
        At += Object.TotalByteLength;
    }
    return std::nullopt;
}

// At least one instance, and no more than the rest of the data could hold, so
// that the count sizes nothing beyond the data.
void CheckInstanceCount(const TReader& Reader, uint64_t ObjectAt, const TPerfObjectType& Object) {
    const uint64_t First = ObjectAt + Object.DefinitionLength;
    Reader.Need(First, 0);
    const uint64_t Fits = (Reader.Size() - First) / (TPerfInstanceDefinition::Size + TPerfCounterBlock::Size);
    if (Object.NumInstances < 1 || static_cast<uint64_t>(Object.NumInstances) > Fits) throw EDamaged{};
}

std::optional<TPerfCounterDefinition> FindIdleCounter(const TReader& Reader, uint64_t ObjectAt,
                                                      const TPerfObjectType& Object) {
    uint64_t At = ObjectAt + Object.HeaderLength;
    for (uint32_t i = 0; i < Object.NumCounters; ++i) {
        TPerfCounterDefinition Counter = ReadCounter(Reader, At);
        if (Counter.CounterNameTitleIndex == IDLE_COUNTER_INDEX) return Counter;
        At += Counter.ByteLength;
    }
    return std::nullopt;
}

// Each instance definition is followed by its counter block; the next instance follows that.
std::vector<int64_t> ReadIdleTimes(const TReader& Reader, uint64_t ObjectAt, const TPerfObjectType& Object,
                                   const TPerfCounterDefinition& Counter) {
    std::vector<int64_t> Values;
    Values.reserve(static_cast<size_t>(Object.NumInstances));
    uint64_t At = ObjectAt + Object.DefinitionLength;
    for (int32_t i = 0; i < Object.NumInstances; ++i) {
        const uint64_t BlockAt = At + ReadInstance(Reader, At).ByteLength;
        const TPerfCounterBlock Block = ReadCounterBlock(Reader, BlockAt);
        if (uint64_t{Counter.CounterOffset} + sizeof(int64_t) > Block.ByteLength) throw EDamaged{};
        Values.push_back(Reader.I64(BlockAt + Counter.CounterOffset));
        At = BlockAt + Block.ByteLength;
    }
    return Values;
}

TProcessorData ParseValidData(const TReader& Reader) {
    const TPerfDataBlock Block = ReadDataBlock(Reader);
    const std::optional<int64_t> Time = FileTimeFromSystemTime(Block.SystemTime);
    const std::optional<uint64_t> ObjectAt = FindProcessorObject(Reader, Block);
    if (!Time) return {};
    if (!ObjectAt) return {pfNotProvided, 0, {}, *Time};
    const TPerfObjectType Object = ReadObject(Reader, *ObjectAt);
    CheckInstanceCount(Reader, *ObjectAt, Object);
    const std::optional<TPerfCounterDefinition> Counter = FindIdleCounter(Reader, *ObjectAt, Object);
    if (!Counter) return {pfNoCounter, Object.NumInstances, {}, *Time};
    return {pfFound, Object.NumInstances, ReadIdleTimes(Reader, *ObjectAt, Object, *Counter), *Time};
}

bool IsLeapYear(int Year) { return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0; }

int DaysInMonth(int Year, int Month) {
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Days[Month - 1] + (Month == 2 && IsLeapYear(Year));
}

// 1601 starts a 400-year cycle of the Gregorian calendar, so the leap days
// before a year are counted from it directly.
int64_t DaysSince1601(int Year, int Month, int Day) {
    static constexpr int BeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int64_t Years = Year - 1601;
    const int64_t LeapDays = Years / 4 - Years / 100 + Years / 400;
    return Years * 365 + LeapDays + BeforeMonth[Month - 1] + (Month > 2 && IsLeapYear(Year)) + Day - 1;
}

bool IsValid(const TSystemTime& Time) {
    return Time.wYear >= 1601 && Time.wYear <= 30827 && Time.wMonth >= 1 && Time.wMonth <= 12 && Time.wDay >= 1 &&
           Time.wDay <= DaysInMonth(Time.wYear, Time.wMonth) && Time.wHour < 24 && Time.wMinute < 60 &&
           Time.wSecond < 60 && Time.wMilliseconds < 1000;
}

}  // namespace

TProcessorData ParseProcessorData(std::span<const uint8_t> Data) {
    try {
        return ParseValidData(TReader(Data));
    } catch (const EDamaged&) {
        return {};
    }
}

TProcessorData QueryProcessorData(TPerformanceApi& System, std::vector<uint8_t>& Buffer, TBufferGrowth Grow) {
    uint32_t Returned = 0;
    long Result = System.QueryProcessorData(Buffer, Returned);
    while (Result == REG_MORE_DATA && Buffer.size() < MAX_PERF_DATA_SIZE) {
        Buffer.resize(std::min(Grow(Buffer.size()), MAX_PERF_DATA_SIZE));
        Result = System.QueryProcessorData(Buffer, Returned);
    }
    if (Result != REG_NO_ERROR) return {};
    return ParseProcessorData(std::span<const uint8_t>(Buffer).first(std::min<size_t>(Returned, Buffer.size())));
}

std::optional<int64_t> FileTimeFromSystemTime(const TSystemTime& Time) {
    if (!IsValid(Time)) return std::nullopt;
    const int64_t Seconds =
        ((DaysSince1601(Time.wYear, Time.wMonth, Time.wDay) * 24 + Time.wHour) * 60 + Time.wMinute) * 60 + Time.wSecond;
    return (Seconds * 1000 + Time.wMilliseconds) * 10000;
}
