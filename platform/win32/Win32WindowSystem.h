#pragma once
#include <windows.h>  // first: the interface takes back the names it maps

#include "platform/WindowSystem.h"
#include "platform/win32/Win32Peers.h"
#include "platform/win32/Win32Timers.h"

class TWin32WindowSystem : public TWindowSystem {
public:
    void* FindTopWindow(const std::string& ClassName, const std::string& Title) override;
    void ShowWindow(void* Wnd, int Command) override;
    void PostToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) override;
    intptr_t SendToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) override;
    void SetForegroundWindow(void* Wnd) override;
    void ReleaseCapture() override;
    bool GetCursorPos(TPoint& Position) override;
    int AsyncShiftState() override;
    uint32_t DoubleClickTime() override;
    bool HasLayeredWindows() override;
    int StartupShowCommand() override;
    int MessageBox(void* Owner, const std::string& Text, const std::string& Caption, uint32_t Flags) override;
    void Beep() override;
    TMenuItem* TrackPopupMenu(TPopupMenu& Menu, int X, int Y, void* Owner) override;
    TRect WorkArea() override;
    int ScreenBitsPerPixel() override;
    bool MenuFont(TFont& Font) override;
    TPeerFactory* PeerFactory() override { return &FPeers; }
    TTimerService& Timers() override { return FTimers; }

private:
    TWin32PeerFactory FPeers;
    TWin32Timers FTimers;
};
