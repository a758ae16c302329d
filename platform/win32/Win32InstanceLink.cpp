#include "platform/win32/Win32InstanceLink.h"

#include <windows.h>

TWin32InstanceLink::TWin32InstanceLink()
    : FOptimise(RegisterWindowMessageA("Torvane XP /optimise")),
      FOptimised(RegisterWindowMessageA("Torvane XP /optimise done")) {}

// A thread has a message queue only once it has asked it for something, and
// messages posted to a thread without one are lost.
uint32_t TWin32InstanceLink::ThisThread() {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    return GetCurrentThreadId();
}

bool TWin32InstanceLink::PostToThread(uint32_t Thread, uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
    return PostThreadMessageA(Thread, Msg, WParam, LParam) != 0;
}

bool TWin32InstanceLink::WindowExists(void* Wnd) { return IsWindow(static_cast<HWND>(Wnd)) != 0; }
