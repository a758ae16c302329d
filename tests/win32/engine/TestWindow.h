#pragma once
// A hidden top-level window of the test thread whose messages run a handler.
#include <windows.h>

#include <functional>

class TTestWindow {
public:
    using THandler = std::function<void(UINT Msg, WPARAM WParam, LPARAM LParam)>;

    explicit TTestWindow(THandler Handler) : FHandler(std::move(Handler)) {
        WNDCLASSA Class{};
        Class.lpfnWndProc = &TTestWindow::WindowProc;
        Class.hInstance = ::GetModuleHandleA(nullptr);
        Class.lpszClassName = "TorvaneEngineTest";
        ::RegisterClassA(&Class);  // fails harmlessly when already registered
        FHandle = ::CreateWindowA("TorvaneEngineTest", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  Class.hInstance, nullptr);
        ::SetWindowLongPtrA(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TTestWindow() { ::DestroyWindow(FHandle); }
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;

    HWND Handle() const { return FHandle; }

private:
    static LRESULT CALLBACK WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
        auto* Self = reinterpret_cast<TTestWindow*>(::GetWindowLongPtrA(Wnd, GWLP_USERDATA));
        if (Self && Msg >= WM_APP) {
            Self->FHandler(Msg, WParam, LParam);
            return 0;
        }
        return ::DefWindowProcA(Wnd, Msg, WParam, LParam);
    }

    THandler FHandler;
    HWND FHandle;
};

// Empties the thread's queue so that a test starts from a known state.
inline void DrainQueue() {
    MSG Msg;
    while (::PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}
