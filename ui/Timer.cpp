#include "ui/Timer.h"

#include <utility>

void TTimer::SetInterval(uint32_t Value) {
    FInterval = Value;
    Update();
}

void TTimer::SetEnabled(bool Value) {
    FEnabled = Value;
    Update();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
    FOnTimer = std::move(Value);
    Update();
}

void TTimer::Update() {
    Stop();
    if (FEnabled && FInterval > 0 && FOnTimer.Assigned()) FId = FService.StartTimer(*this, FInterval);
}

void TTimer::Stop() {
    if (FId) FService.StopTimer(FId);
    FId = 0;
}
