#pragma once
// Real key input for the Windows tests: the keys go through the system's
// input queue (keybd_event), are translated into characters and dispatched
// as the program's message loop would, to whichever window has the focus.
#include <windows.h>

#include <initializer_list>

#include "tests/win32/framework/DispatchFor.h"

// What the keys bring about: a tenth of a second of the queue's messages.
inline void PumpInput() { DispatchFor(100); }

// Key pressed and released while the Held keys (VK_SHIFT, VK_CONTROL...) are down.
inline void PressKey(WORD Key, std::initializer_list<WORD> Held = {}) {
    for (WORD held : Held) keybd_event(static_cast<BYTE>(held), 0, 0, 0);
    keybd_event(static_cast<BYTE>(Key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(Key), 0, KEYEVENTF_KEYUP, 0);
    for (WORD held : Held) keybd_event(static_cast<BYTE>(held), 0, KEYEVENTF_KEYUP, 0);
    PumpInput();
}
