#pragma once
// A timer that needs no window of its own: every one runs on the timer
// service's single hidden window, and calls back with its owner.
#include <cstdint>
#include <functional>

#include "core/Events.h"
#include "platform/TimerService.h"

class TSimpleTimer : private TTimerTarget {
public:
    using TCallback = std::function<void(TObject* Owner)>;
    TSimpleTimer(TTimerService& Service, TObject* Owner, TCallback Callback)
        : FService(Service), FOwner(Owner), FCallback(std::move(Callback)) {}
    ~TSimpleTimer() override { Stop(); }
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    // Stops first when active; Active then says whether the system started it.
    bool Start(uint32_t Interval);
    bool Stop();
    bool Active() const { return FId != 0; }
    uint32_t Interval() const { return FInterval; }

private:
    void TimerFired() override {
        if (FCallback) FCallback(FOwner);
    }

    TTimerService& FService;
    TObject* FOwner;
    TCallback FCallback;
    uint32_t FInterval = 0;
    uintptr_t FId = 0;
};
