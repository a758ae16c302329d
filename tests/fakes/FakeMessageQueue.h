#pragma once
// The thread's message queue for native tests: messages posted by the test,
// each with an optional action that runs when the message is dispatched.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/MessageQueue.h"

class TFakeMessageQueue : public TMessageQueue {
public:
    // Queues Message; dispatching it runs OnDispatch. Like the system, the queue
    // stamps Time: here with the order of posting (1, 2, ...).
    void Post(TMessage Message, std::function<void()> OnDispatch = {});

    bool PeekMessage(TMessage& Message) override;
    // On an empty queue lets Waiting pass (time, say) once; if the queue is
    // still empty, returns false and records it: a real loop would wait forever.
    bool GetMessage(TMessage& Message) override;
    void DispatchMessage(const TMessage& Message) override;
    // As the system does: the quit message, with the exit code as its word
    // parameter, comes only once every other queued message has been taken.
    void PostQuitMessage(int ExitCode) override;

    std::function<void()> Waiting;

    size_t Pending() const { return FQueue.size() + (FQuitPosted ? 1 : 0); }
    const std::vector<TMessage>& Dispatched() const { return FDispatched; }
    bool RanDry() const { return FRanDry; }

private:
    std::deque<TMessage> FQueue;
    std::map<uint32_t, std::function<void()>> FActions;  // by Time stamp
    std::vector<TMessage> FDispatched;
    uint32_t FStamp = 0;
    bool FRanDry = false;
    bool FQuitPosted = false;
    int FExitCode = 0;
};
