#include "tests/fakes/PerfDataBuilder.h"

#include <string>

namespace {

class TWriter {
public:
    std::vector<uint8_t> Bytes;

    size_t Size() const { return Bytes.size(); }
    void U16(uint16_t Value) { Put(Value, 2); }
    void U32(uint32_t Value) { Put(Value, 4); }
    void I64(int64_t Value) { Put(static_cast<uint64_t>(Value), 8); }
    // UTF-16 with its terminating zero, padded to 8 bytes as the system pads names.
    void Name(const std::string& Text) {
        for (char c : Text) U16(static_cast<uint16_t>(c));
        U16(0);
        while (Size() % 8) Bytes.push_back(0);
    }
    void Patch(size_t At, uint32_t Value) {
        for (int i = 0; i < 4; ++i) Bytes[At + i] = static_cast<uint8_t>(Value >> (8 * i));
    }

private:
    void Put(uint64_t Value, int Count) {
        for (int i = 0; i < Count; ++i) Bytes.push_back(static_cast<uint8_t>(Value >> (8 * i)));
    }
};

constexpr uint32_t ProcessorTitle = 238, IdleTitle = 6, UserTitle = 142, PrivilegedTitle = 144;

void WriteSystemTime(TWriter& W, const TSystemTime& T) {
    for (uint16_t Field : {T.wYear, T.wMonth, T.wDayOfWeek, T.wDay, T.wHour, T.wMinute, T.wSecond, T.wMilliseconds})
        W.U16(Field);
}

// PERF_DATA_BLOCK followed by the system's name; TotalByteLength is patched at the end.
void WriteHeader(TWriter& W, const TSystemTime& Time, size_t Objects) {
    W.U16('P'); W.U16('E'); W.U16('R'); W.U16('F');
    W.U32(1); W.U32(1); W.U32(1);  // LittleEndian, Version, Revision
    W.U32(0);                      // TotalByteLength
    W.U32(0);                      // HeaderLength
    W.U32(static_cast<uint32_t>(Objects));
    W.U32(ProcessorTitle);  // DefaultObject
    WriteSystemTime(W, Time);
    W.U32(0);                                       // alignment of the 64-bit fields
    W.I64(123456789); W.I64(3579545); W.I64(0);     // PerfTime, PerfFreq, PerfTime100nSec
    W.U32(16); W.U32(88);                           // SystemNameLength, SystemNameOffset
    W.Name("TORVANE");
    W.Patch(24, static_cast<uint32_t>(W.Size()));
}

void WriteObjectHeader(TWriter& W, uint32_t Title, uint32_t Counters, int32_t Instances) {
    W.U32(0);  // TotalByteLength, patched when the object is complete
    W.U32(64 + 40 * Counters); W.U32(64);  // DefinitionLength, HeaderLength
    W.U32(Title); W.U32(0); W.U32(Title + 1); W.U32(0);
    W.U32(100); W.U32(Counters); W.U32(0);  // DetailLevel, NumCounters, DefaultCounter
    W.U32(static_cast<uint32_t>(Instances)); W.U32(0);
    W.I64(0); W.I64(0);  // PerfTime, PerfFreq
}

void WriteCounter(TWriter& W, uint32_t Title, uint32_t Offset) {
    W.U32(40); W.U32(Title); W.U32(0); W.U32(Title + 1); W.U32(0);
    W.U32(0); W.U32(100); W.U32(0x20510500); W.U32(8); W.U32(Offset);  // 100 ns timer, 8 bytes
}

// Counters of 8 bytes each after the 4-byte ByteLength and 4 bytes of alignment.
void WriteCounterBlock(TWriter& W, const std::vector<int64_t>& Values) {
    W.U32(static_cast<uint32_t>(8 + 8 * Values.size())); W.U32(0);
    for (int64_t Value : Values) W.I64(Value);
}

void WriteInstance(TWriter& W, const std::string& Name) {
    const auto NameBytes = static_cast<uint32_t>(2 * (Name.size() + 1));
    W.U32(24 + (NameBytes + 7) / 8 * 8); W.U32(0); W.U32(0);  // ByteLength, parent title and instance
    W.U32(0xFFFFFFFF); W.U32(24); W.U32(NameBytes);            // UniqueID none, NameOffset, NameLength
    W.Name(Name);
}

}  // namespace

TSystemTime PerfTimeAt(uint16_t Second, uint16_t Millisecond) { return {2004, 6, 2, 15, 12, 0, Second, Millisecond}; }

void TPerfBlock::SetU32(size_t At, uint32_t Value) {
    for (int i = 0; i < 4; ++i) Bytes.at(At + i) = static_cast<uint8_t>(Value >> (8 * i));
}

TPerfDataBuilder& TPerfDataBuilder::Processor(std::vector<int64_t> IdleTimes, bool WithIdleCounter) {
    FObjects.push_back({ProcessorTitle, std::move(IdleTimes), WithIdleCounter});
    return *this;
}

TPerfDataBuilder& TPerfDataBuilder::Other(uint32_t TitleIndex) {
    FObjects.push_back({TitleIndex, {}, false});
    return *this;
}

TPerfBlock TPerfDataBuilder::Build() const {
    TPerfBlock Block;
    TWriter W;
    WriteHeader(W, FTime, FObjects.size());
    for (const TObject& Object : FObjects) {
        const size_t Start = W.Size();
        if (Object.TitleIndex != ProcessorTitle) {
            WriteObjectHeader(W, Object.TitleIndex, 1, -1);  // PERF_NO_INSTANCES
            WriteCounter(W, 10, 8);
            WriteCounterBlock(W, {42});
        } else {
            Block = {{}, Start, 0, {}, {}};
            WriteObjectHeader(W, ProcessorTitle, 2, static_cast<int32_t>(Object.IdleTimes.size()));
            WriteCounter(W, UserTitle, 8);
            if (Object.WithIdleCounter) Block.IdleCounter = W.Size();
            WriteCounter(W, Object.WithIdleCounter ? IdleTitle : PrivilegedTitle, 16);
            for (size_t i = 0; i < Object.IdleTimes.size(); ++i) {
                Block.Instances.push_back(W.Size());
                WriteInstance(W, std::to_string(i));
                Block.CounterBlocks.push_back(W.Size());
                WriteCounterBlock(W, {~Object.IdleTimes[i], Object.IdleTimes[i]});  // user time, idle time
            }
        }
        W.Patch(Start, static_cast<uint32_t>(W.Size() - Start));
    }
    W.Patch(20, static_cast<uint32_t>(W.Size()));
    Block.Bytes = std::move(W.Bytes);
    return Block;
}
