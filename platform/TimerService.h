#pragma once
// Timers that fire through the thread's message queue.
#include <cstdint>

class TTimerTarget {
public:
    virtual ~TTimerTarget() = default;
    virtual void TimerFired() = 0;
};

class TTimerService {
public:
    virtual ~TTimerService() = default;
    // Fires Target every IntervalMs until stopped; 0 when the system has no timer left.
    virtual uintptr_t StartTimer(TTimerTarget& Target, uint32_t IntervalMs) = 0;
    virtual void StopTimer(uintptr_t Id) = 0;
};
