#pragma once
#include "platform/Clock.h"

class TWin32Clock : public TClock {
public:
    uint32_t TickCount() override;
    TLocalTime LocalTime() override;
};
