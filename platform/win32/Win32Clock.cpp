#include "platform/win32/Win32Clock.h"

#include <windows.h>

uint32_t TWin32Clock::TickCount() { return GetTickCount(); }

TLocalTime TWin32Clock::LocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}
