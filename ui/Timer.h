#pragma once
// A window-message timer component: it runs while it is enabled, has an
// interval and has a handler.
#include <cstdint>

#include "platform/TimerService.h"
#include "core/Component.h"

class TTimer : public TComponent, private TTimerTarget {
public:
    TTimer(TComponent* AOwner, TTimerService& Service) : TComponent(AOwner), FService(Service) {}
    ~TTimer() override { Stop(); }

    uint32_t Interval() const { return FInterval; }
    // A new interval starts the count again.
    void SetInterval(uint32_t Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);
    bool Running() const { return FId != 0; }

private:
    void TimerFired() override { FOnTimer(this); }
    void Update();
    void Stop();

    TTimerService& FService;
    uint32_t FInterval = 1000;
    bool FEnabled = true;
    TNotifyEvent FOnTimer;
    uintptr_t FId = 0;
};
