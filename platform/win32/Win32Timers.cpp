#include "platform/win32/Win32Timers.h"

#include <windows.h>

namespace {
LRESULT CALLBACK TimerWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_TIMER) {
        if (auto* timers = reinterpret_cast<TWin32Timers*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA)))
            timers->Fire(WParam);
        return 0;
    }
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

HWND CreateTimerWindow() {
    const char* className = "TorvaneTimers";
    WNDCLASSA wc{};
    wc.lpfnWndProc = TimerWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);  // fails harmlessly when already registered
    return CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
}
}  // namespace

TWin32Timers::TWin32Timers() : FWindow(CreateTimerWindow()) {
    SetWindowLongPtrA(static_cast<HWND>(FWindow), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TWin32Timers::~TWin32Timers() { DestroyWindow(static_cast<HWND>(FWindow)); }

uintptr_t TWin32Timers::StartTimer(TTimerTarget& Target, uint32_t IntervalMs) {
    uintptr_t id = FNextId++;
    if (!SetTimer(static_cast<HWND>(FWindow), id, IntervalMs, nullptr)) return 0;
    FTargets[id] = &Target;
    return id;
}

void TWin32Timers::StopTimer(uintptr_t Id) {
    KillTimer(static_cast<HWND>(FWindow), Id);
    FTargets.erase(Id);
}

void TWin32Timers::Fire(uintptr_t Id) {
    // A WM_TIMER already queued for a stopped timer is dropped here.
    if (auto it = FTargets.find(Id); it != FTargets.end()) it->second->TimerFired();
}
