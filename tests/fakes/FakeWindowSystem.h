#pragma once
// A desktop without windows: records what the program asks of it.
#include <string>
#include <vector>

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
    std::vector<std::string> MessageBoxes;
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
    void ShowMessage(const std::string& Text, const std::string&) override { MessageBoxes.push_back(Text); }
    TRect WorkArea() override { return Area; }
    TPeerFactory* PeerFactory() override { return nullptr; }
    TTimerService& Timers() override { return Clock; }
};
