#include "tests/fakes/VirtualTimers.h"

#include <algorithm>

uintptr_t TVirtualTimers::StartTimer(TTimerTarget& Target, uint32_t IntervalMs) {
    uintptr_t id = FNextId++;
    IntervalMs = std::max<uint32_t>(IntervalMs, 10);  // as the system holds the shortest ones
    FTimers[id] = TEntry{&Target, IntervalMs, FNow + IntervalMs};
    return id;
}

void TVirtualTimers::Advance(uint64_t Ms) {
    const uint64_t end = FNow + Ms;
    for (;;) {
        // The earliest due timer; handlers may start and stop timers, so look again each time.
        auto next = FTimers.end();
        for (auto it = FTimers.begin(); it != FTimers.end(); ++it)
            if (it->second.Due <= end && (next == FTimers.end() || it->second.Due < next->second.Due)) next = it;
        if (next == FTimers.end()) break;
        FNow = next->second.Due;
        next->second.Due += next->second.Interval;
        next->second.Target->TimerFired();
    }
    FNow = end;
}
