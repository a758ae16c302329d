// <windows.h> first: the queue's header takes back the names it maps.
#include <windows.h>

#include "platform/win32/Win32MessageQueue.h"

namespace {

TMessage FromMsg(const MSG& Msg) {
    return {Msg.hwnd, Msg.message, Msg.wParam, Msg.lParam, Msg.time, Msg.pt.x, Msg.pt.y};
}

MSG ToMsg(const TMessage& Message) {
    MSG Msg{};
    Msg.hwnd = static_cast<HWND>(Message.Wnd);
    Msg.message = Message.Msg;
    Msg.wParam = Message.WParam;
    Msg.lParam = Message.LParam;
    Msg.time = Message.Time;
    Msg.pt = {Message.X, Message.Y};
    return Msg;
}

}  // namespace

bool TWin32MessageQueue::PeekMessage(TMessage& Message) {
    MSG Msg;
    // Any window of the thread and the thread's own messages (no window) alike.
    if (!::PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
    Message = FromMsg(Msg);
    return true;
}

bool TWin32MessageQueue::GetMessage(TMessage& Message) {
    MSG Msg;
    // 0 is the quit message; -1 (a failure) ends the loop as well rather than spin.
    BOOL Result = ::GetMessageA(&Msg, nullptr, 0, 0);
    if (Result == -1) return false;
    Message = FromMsg(Msg);
    return Result != 0;
}

void TWin32MessageQueue::DispatchMessage(const TMessage& Message) {
    MSG Msg = ToMsg(Message);
    ::TranslateMessage(&Msg);
    ::DispatchMessageA(&Msg);
}

void TWin32MessageQueue::PostQuitMessage(int ExitCode) { ::PostQuitMessage(ExitCode); }
