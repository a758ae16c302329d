#pragma once
// A desktop without windows: records what the program asks of it.
#include <string>
#include <vector>

#include <functional>

#include "platform/WindowSystem.h"
#include "ui/Font.h"
#include "tests/fakes/VirtualTimers.h"

class TFakeWindowSystem : public TWindowSystem {
public:
    struct TPosted {
        void* Wnd;
        uint32_t Msg;
        uintptr_t WParam;
        intptr_t LParam;
    };

    void* Running = nullptr;  // what FindWindow finds
    std::string FoundClass, FoundTitle;
    std::vector<std::pair<void*, int>> Shown;
    std::vector<TPosted> Posted;
    struct TMessageBox {
        std::string Text, Caption;
        uint32_t Flags;
    };
    std::vector<TMessageBox> MessageBoxes;
    int Beeps = 0;
    // What the user does with a popped-up menu: the item chosen, or nullptr.
    std::function<TMenuItem*(TPopupMenu&, int X, int Y)> ChooseFromMenu = [](TPopupMenu&, int, int) {
        return static_cast<TMenuItem*>(nullptr);
    };
    int Popups = 0;
    TRect Area{0, 0, 1024, 738};
    TVirtualTimers Clock;

    void* FindTopWindow(const std::string& ClassName, const std::string& Title) override {
        FoundClass = ClassName;
        FoundTitle = Title;
        return Running;
    }
    void ShowWindow(void* Wnd, int Command) override { Shown.emplace_back(Wnd, Command); }
    void PostToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) override {
        Posted.push_back({Wnd, Msg, WParam, LParam});
    }
    struct TSent {
        void* Wnd;
        uint32_t Msg;
        uintptr_t WParam;
        intptr_t LParam;
    };
    std::vector<TSent> Sent;
    std::vector<void*> Foreground;
    int CaptureReleases = 0;
    TPoint Cursor{100, 200};
    bool CursorReadable = true;
    int ShiftState = 0;
    uint32_t DoubleClickMs = 500;
    bool Layered = true;
    int ShowCommand = SW_SHOWNORMAL_COMMAND;

    intptr_t SendToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) override {
        Sent.push_back({Wnd, Msg, WParam, LParam});
        return 0;
    }
    void SetForegroundWindow(void* Wnd) override { Foreground.push_back(Wnd); }
    void ReleaseCapture() override { ++CaptureReleases; }
    bool GetCursorPos(TPoint& Position) override {
        Position = Cursor;
        return CursorReadable;
    }
    int AsyncShiftState() override { return ShiftState; }
    uint32_t DoubleClickTime() override { return DoubleClickMs; }
    bool HasLayeredWindows() override { return Layered; }
    int StartupShowCommand() override { return ShowCommand; }
    int MessageBox(void*, const std::string& Text, const std::string& Caption, uint32_t Flags) override {
        MessageBoxes.push_back({Text, Caption, Flags});
        return IDOK_ANSWER;
    }
    void Beep() override { ++Beeps; }
    TMenuItem* TrackPopupMenu(TPopupMenu& Menu, int X, int Y, void*) override {
        ++Popups;
        return ChooseFromMenu(Menu, X, Y);
    }
    TRect WorkArea() override { return Area; }
    int BitsPerPixel = 32;
    int ScreenBitsPerPixel() override { return BitsPerPixel; }
    // The system's menu font; unreadable while MenuFontReadable is false.
    TFont SystemMenuFont;
    bool MenuFontReadable = true;
    bool MenuFont(TFont& Font) override {
        if (!MenuFontReadable) return false;
        const TColor kept = Font.Color();
        TFont read;
        read.Assign(SystemMenuFont);
        read.SetColor(kept);
        Font.Assign(read);
        return true;
    }
    TPeerFactory* PeerFactory() override { return nullptr; }
    TTimerService& Timers() override { return Clock; }
};
