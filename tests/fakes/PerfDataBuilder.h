#pragma once
// Synthetic performance data in the system's 32-bit layout, as the "238" query
// answers it, e.g. a processor object with two instances at 12:00:01:
//   Api.Data = TPerfDataBuilder(PerfTimeAt(1)).Processor({IdleOf0, IdleOf1}).Build().Bytes;
// Objects follow the header (which carries a system name) in the order they are
// added: object header, counter definitions, then each instance's definition
// with its name and its counter block.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/PerfData.h"

// 2004-06-15 12:00 and Second seconds.
TSystemTime PerfTimeAt(uint16_t Second, uint16_t Millisecond = 0);

struct TPerfBlock {
    std::vector<uint8_t> Bytes;
    // Offsets of the last processor object's records, for tests that damage them.
    size_t Object = 0;
    size_t IdleCounter = 0;
    std::vector<size_t> Instances;
    std::vector<size_t> CounterBlocks;

    void SetU32(size_t At, uint32_t Value);
};

class TPerfDataBuilder {
public:
    explicit TPerfDataBuilder(TSystemTime Time = PerfTimeAt(0)) : FTime(Time) {}

    // The "Processor" object (238): one instance per idle value, whose counter
    // (6) follows a user-time counter, or is left out when WithIdleCounter is false.
    TPerfDataBuilder& Processor(std::vector<int64_t> IdleTimes, bool WithIdleCounter = true);
    // An object of another title, with one counter and no instances.
    TPerfDataBuilder& Other(uint32_t TitleIndex = 2);
    TPerfBlock Build() const;

private:
    struct TObject {
        uint32_t TitleIndex;
        std::vector<int64_t> IdleTimes;
        bool WithIdleCounter;
    };

    TSystemTime FTime;
    std::vector<TObject> FObjects;
};
