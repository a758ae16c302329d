#pragma once
// The system's clocks: milliseconds since start, for what lasts, and the
// local date and time, for what the user reads.
#include <cstdint>

struct TLocalTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

class TClock {
public:
    virtual ~TClock() = default;
    // Milliseconds since the system started, wrapping after 49.7 days.
    virtual uint32_t TickCount() = 0;
    virtual TLocalTime LocalTime() = 0;
};
