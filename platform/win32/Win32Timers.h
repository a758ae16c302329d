#pragma once
#include <map>

#include "platform/TimerService.h"

// Window-message timers, all on one hidden window of the thread, so that they
// fire only through the message queue (also inside a nested pump).
class TWin32Timers : public TTimerService {
public:
    TWin32Timers();
    ~TWin32Timers() override;
    uintptr_t StartTimer(TTimerTarget& Target, uint32_t IntervalMs) override;
    void StopTimer(uintptr_t Id) override;
    void Fire(uintptr_t Id);

private:
    void* FWindow;
    std::map<uintptr_t, TTimerTarget*> FTargets;
    uintptr_t FNextId = 1;
};
