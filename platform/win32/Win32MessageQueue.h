#pragma once
// The calling thread's Windows message queue.
#include "platform/MessageQueue.h"

class TWin32MessageQueue : public TMessageQueue {
public:
    bool PeekMessage(TMessage& Message) override;
    bool GetMessage(TMessage& Message) override;
    void DispatchMessage(const TMessage& Message) override;
    void PostQuitMessage(int ExitCode) override;
};
