#pragma once
// Real key input for the Windows tests: the keys go through the system's
// input queue (keybd_event), are translated into characters and dispatched
// as the program's message loop would, to whichever window has the focus.
#include <windows.h>

#include <initializer_list>

// Dispatches what comes to the thread's queue for a tenth of a second,
// translating keys into characters (timers go on meanwhile: the queue is
// never quiet for long).
inline void PumpInput() {
    const DWORD end = GetTickCount() + 100;
    MSG m;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        Sleep(10);
    }
}

// Key pressed and released while the Held keys (VK_SHIFT, VK_CONTROL...) are down.
inline void PressKey(WORD Key, std::initializer_list<WORD> Held = {}) {
    for (WORD held : Held) keybd_event(static_cast<BYTE>(held), 0, 0, 0);
    keybd_event(static_cast<BYTE>(Key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(Key), 0, KEYEVENTF_KEYUP, 0);
    for (WORD held : Held) keybd_event(static_cast<BYTE>(held), 0, KEYEVENTF_KEYUP, 0);
    PumpInput();
}
