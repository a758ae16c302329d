#include "tray/SimpleTimer.h"

bool TSimpleTimer::Start(uint32_t Interval) {
    Stop();
    FInterval = Interval;
    FId = FService.StartTimer(*this, Interval);
    return FId != 0;
}

bool TSimpleTimer::Stop() {
    if (!FId) return false;
    FService.StopTimer(FId);
    FId = 0;
    return true;
}
