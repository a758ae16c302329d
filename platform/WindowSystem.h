#pragma once
// Top-level windows of the desktop, as the program reaches them.
#include <cstdint>
#include <string>

#include "core/Messages.h"
#include "platform/TimerService.h"
#include "platform/ControlPeer.h"
#include "core/Graphics.h"


class TWindowSystem {
public:
    virtual ~TWindowSystem() = default;
    virtual void* FindTopWindow(const std::string& ClassName, const std::string& Title) = 0;
    virtual void ShowWindow(void* Wnd, int Command) = 0;
    virtual void PostToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) = 0;
    virtual void SetForegroundWindow(void* Wnd) = 0;
    virtual void ShowMessage(const std::string& Text, const std::string& Caption) = 0;
    // The desktop without the task bar.
    virtual TRect WorkArea() = 0;
    // nullptr where controls live without windows.
    virtual TPeerFactory* PeerFactory() = 0;
    virtual TTimerService& Timers() = 0;
};
