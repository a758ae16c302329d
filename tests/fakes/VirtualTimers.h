#pragma once
// Timers on a virtual clock: time moves only when the test advances it, and
// every timer that falls due on the way fires, in order of its due time.
#include <cstdint>
#include <map>

#include "platform/TimerService.h"

class TVirtualTimers : public TTimerService {
public:
    uintptr_t StartTimer(TTimerTarget& Target, uint32_t IntervalMs) override;
    void StopTimer(uintptr_t Id) override { FTimers.erase(Id); }

    uint64_t Now() const { return FNow; }
    void Advance(uint64_t Ms);
    int Active() const { return static_cast<int>(FTimers.size()); }

private:
    struct TEntry {
        TTimerTarget* Target;
        uint32_t Interval;
        uint64_t Due;
    };
    std::map<uintptr_t, TEntry> FTimers;
    uintptr_t FNextId = 1;
    uint64_t FNow = 0;
};
