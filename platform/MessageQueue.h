#pragma once
// The calling thread's message queue.
#include <cstdint>

#include "core/Messages.h"

// <windows.h> maps these names onto the ...A functions. Included before this
// header it would rename the methods in that file only, so that files disagree
// on their names; the Windows layer calls the ...A functions by their own names.
#undef PeekMessage
#undef GetMessage
#undef DispatchMessage


// Mirrors the system's queued message so that it can be dispatched unchanged.
struct TMessage {
    void* Wnd = nullptr;
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    uint32_t Time = 0;
    int32_t X = 0;
    int32_t Y = 0;
};

class TMessageQueue {
public:
    virtual ~TMessageQueue() = default;
    // Removes the next message of any window of the thread; false when the queue is empty.
    virtual bool PeekMessage(TMessage& Message) = 0;
    // Waits for the next message; false when it is the quit message.
    virtual bool GetMessage(TMessage& Message) = 0;
    // Translates keyboard messages and hands the message to its window.
    virtual void DispatchMessage(const TMessage& Message) = 0;
    virtual void PostQuitMessage(int ExitCode) = 0;
};
