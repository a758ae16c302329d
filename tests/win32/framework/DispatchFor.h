#pragma once
// Dispatches what comes to the thread's queue for Ms milliseconds, translating
// keys into characters as the program's loop does (timers go on meanwhile:
// the queue is never quiet for long).
#include <windows.h>

inline void DispatchFor(DWORD Ms) {
    const DWORD end = GetTickCount() + Ms;
    MSG m;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        Sleep(10);
    }
}
