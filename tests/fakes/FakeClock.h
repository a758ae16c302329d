#pragma once
// The clocks on the virtual timers' time: the tick count is their time, and
// the local time is whatever the test sets.
#include "platform/Clock.h"
#include "tests/fakes/VirtualTimers.h"

class TFakeClock : public TClock {
public:
    explicit TFakeClock(const TVirtualTimers& Timers) : FTimers(Timers) {}
    TLocalTime Local{2024, 3, 9, 14, 5, 7};

    uint32_t TickCount() override { return static_cast<uint32_t>(Base + FTimers.Now()); }
    TLocalTime LocalTime() override { return Local; }
    uint64_t Base = 0;  // where the tick count stands when the virtual time is 0

private:
    const TVirtualTimers& FTimers;
};
