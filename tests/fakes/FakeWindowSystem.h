#pragma once
// A desktop without windows: records what the program asks of it.
#include <string>
#include <vector>

#include <functional>

#include "platform/WindowSystem.h"
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
    void SetForegroundWindow(void*) override {}
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
    TPeerFactory* PeerFactory() override { return nullptr; }
    TTimerService& Timers() override { return Clock; }
};
