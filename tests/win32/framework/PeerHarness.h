#pragma once
// Conformance tests of the peers, in the style of Wine's own: a control on a
// real form, a table of steps (what a user's input sends the window, or what
// the program sets), and after each step the state that the window and the
// control must show and the events raised by it. A recorder sees every
// setter message that another window or the program sends a window during a
// step (not those a window sends itself, as a check box turns its own mark),
// so that a state can show what the program told the window, and that the
// user's input is not sent back to the window it came from.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/Win32MessageQueue.h"
#include "tests/win32/framework/WindowQueries.h"
#include "platform/win32/Win32WindowSystem.h"
#include "ui/Application.h"
#include "ui/Form.h"

class THarnessForm : public TForm {
public:
    THarnessForm(TComponent* AOwner, TApplication& App) : TForm(AOwner, App) {
        SetBorderStyle(bsNone);
        SetBounds(100, 100, 400, 300);
        SetClientSize(400, 300);
        SetCaption("Peer harness");
    }
    const char* ClassName() const override { return "TPeerHarnessForm"; }
};

struct TStep {
    std::string Name;
    std::function<void()> Action;
    std::string State;                // what State() of the fixture must read after the action
    std::vector<std::string> Events;  // the events raised by the action, in order
};

class PeerHarness : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        Form = App.CreateForm<THarnessForm>();
        Recorder = SetWindowsHookExA(WH_CALLWNDPROC, RecordSetter, nullptr, GetCurrentThreadId());
        Returns = SetWindowsHookExA(WH_CALLWNDPROCRET, RecordReturn, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(Recorder);
        UnhookWindowsHookEx(Returns);
    }
    // " <setter>" for each setter message sent to Wnd during the step.
    static std::string Sent(void* Wnd) {
        std::string sent;
        for (const auto& [wnd, name] : SetterLog)
            if (wnd == Wnd) sent += " " + name;
        return sent;
    }
    // A handler that records Name each time it runs.
    TNotifyEvent Record(const std::string& Name) {
        return TNotifyEvent([this, Name](TObject*) { Events.push_back(Name); });
    }
    // Sends Msg to Wnd as the system would on the user's input, then
    // dispatches what it posted.
    static LRESULT Send(void* Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
        LRESULT result = SendMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            Handling.push_back(m.hwnd);  // a posted message: what the window sends meanwhile is its own
            DispatchMessageA(&m);
            Handling.pop_back();
        }
        return result;
    }
    // A click of the left button at (X, Y) of Wnd's client area. The release
    // waits in the queue, as a real one would: the common controls look for
    // it there while they tell a click from a drag.
    static void Click(void* Wnd, int X = 2, int Y = 2) {
        PostMessageA(static_cast<HWND>(Wnd), WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
        Send(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
    }
    // A key pressed and released.
    static void Key(void* Wnd, WPARAM VirtualKey) {
        Send(Wnd, WM_KEYDOWN, VirtualKey, 1);
        Send(Wnd, WM_KEYUP, VirtualKey, 0xC0000001);
    }
    // Characters typed.
    static void Type(void* Wnd, const std::string& Text) {
        for (char c : Text) Send(Wnd, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    // Runs Action once from inside the next modal loop (a menu's, a message
    // box's), which dispatches the thread's timer messages.
    static void WhileModal(std::function<void()> Action) {
        ModalAction = std::move(Action);
        SetTimer(nullptr, 0, 50, RunModalAction);
    }
    static void CALLBACK RunModalAction(HWND, UINT, UINT_PTR Id, DWORD) {
        KillTimer(nullptr, Id);
        auto action = std::move(ModalAction);
        if (action) action();
    }
    static inline std::function<void()> ModalAction;
    // The messages that set what a window shows.
    static LRESULT CALLBACK RecordSetter(int Code, WPARAM WParam, LPARAM LParam) {
        static const std::pair<UINT, const char*> setters[] = {
            {WM_SETTEXT, "WM_SETTEXT"},         {BM_SETCHECK, "BM_SETCHECK"},          {TBM_SETPOS, "TBM_SETPOS"},
            {TCM_SETCURSEL, "TCM_SETCURSEL"},   {LVM_SETITEMSTATE, "LVM_SETITEMSTATE"}, {TVM_SELECTITEM, "TVM_SELECTITEM"}};
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(LParam);
        if (Code == HC_ACTION) {
            const bool own = !Handling.empty() && Handling.back() == call->hwnd;
            for (auto [message, name] : setters)
                if (call->message == message && !own) SetterLog.emplace_back(call->hwnd, name);
            Handling.push_back(call->hwnd);
        }
        return CallNextHookEx(nullptr, Code, WParam, LParam);
    }
    static LRESULT CALLBACK RecordReturn(int Code, WPARAM WParam, LPARAM LParam) {
        if (Code == HC_ACTION && !Handling.empty()) Handling.pop_back();
        return CallNextHookEx(nullptr, Code, WParam, LParam);
    }
    static inline std::vector<std::pair<void*, std::string>> SetterLog;
    static inline std::vector<HWND> Handling;  // the windows handling a sent message, innermost last
    HHOOK Recorder = nullptr;
    HHOOK Returns = nullptr;
    // Runs the steps in order; State reads the fixture's state after each.
    void Run(const std::vector<TStep>& Steps, const std::function<std::string()>& State) {
        for (const TStep& step : Steps) {
            Events.clear();
            SetterLog.clear();
            step.Action();
            EXPECT_EQ(State(), step.State) << step.Name;
            EXPECT_EQ(Events, step.Events) << step.Name;
        }
    }

    TWin32MessageQueue Queue;
    TWin32WindowSystem Windows;
    TApplication App{Queue, Windows};
    THarnessForm* Form = nullptr;
    std::vector<std::string> Events;
};
