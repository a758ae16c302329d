#pragma once
// Top-level windows of the desktop, as the program reaches them.
#include <cstdint>
#include <string>

#include "core/Graphics.h"
#include "core/Messages.h"
#include "platform/ControlPeer.h"
#include "platform/TimerService.h"

// <windows.h> maps this name onto MessageBoxA; see platform/MessageQueue.h.
#undef MessageBox

class TFont;
class TMenuItem;
class TPopupMenu;

class TWindowSystem {
public:
    virtual ~TWindowSystem() = default;
    virtual void* FindTopWindow(const std::string& ClassName, const std::string& Title) = 0;
    virtual void ShowWindow(void* Wnd, int Command) = 0;
    virtual void PostToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) = 0;
    virtual intptr_t SendToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) = 0;
    virtual void SetForegroundWindow(void* Wnd) = 0;
    // Gives back the mouse capture, whoever has it.
    virtual void ReleaseCapture() = 0;
    // The cursor on the screen; false when it cannot be read.
    virtual bool GetCursorPos(TPoint& Position) = 0;
    // The TShiftFlag keys (Shift, Alt, Ctrl) that are down now.
    virtual int AsyncShiftState() = 0;
    virtual uint32_t DoubleClickTime() = 0;
    // Whether windows can be made translucent (Windows 2000 and later).
    virtual bool HasLayeredWindows() = 0;
    // The show command the program was started with.
    virtual int StartupShowCommand() = 0;
    // A message box owned by the window Owner (none for nullptr), with the
    // system's MB_ flags (core/Messages.h); returns the button pressed.
    virtual int MessageBox(void* Owner, const std::string& Text, const std::string& Caption, uint32_t Flags) = 0;
    // The system's default sound.
    virtual void Beep() = 0;
    // Shows Menu at (X, Y) of the screen, owned by the window Owner (a
    // hidden window of the program's for nullptr), and waits until it
    // closes; the item the user chose, or nullptr.
    virtual TMenuItem* TrackPopupMenu(TPopupMenu& Menu, int X, int Y, void* Owner) = 0;
    // The desktop without the task bar.
    virtual TRect WorkArea() = 0;
    // Bits per pixel of the screen (8 for 256 colours).
    virtual int ScreenBitsPerPixel() = 0;
    // Gives Font the name, height, style and character set of the system's
    // menu font; false, with Font untouched, when the system cannot say.
    virtual bool MenuFont(TFont& Font) = 0;
    // nullptr where controls live without windows.
    virtual TPeerFactory* PeerFactory() = 0;
    virtual TTimerService& Timers() = 0;
};
