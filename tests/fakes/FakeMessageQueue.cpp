#include "tests/fakes/FakeMessageQueue.h"

#include <utility>

void TFakeMessageQueue::Post(TMessage Message, std::function<void()> OnDispatch) {
    Message.Time = ++FStamp;
    if (OnDispatch) FActions.emplace(Message.Time, std::move(OnDispatch));
    FQueue.push_back(Message);
}

bool TFakeMessageQueue::PeekMessage(TMessage& Message) {
    if (FQueue.empty() && FQuitPosted) {
        FQuitPosted = false;
        Message = TMessage{};
        Message.Msg = WM_QUIT_MESSAGE;
        Message.WParam = static_cast<uintptr_t>(FExitCode);
        return true;
    }
    if (FQueue.empty()) return false;
    Message = FQueue.front();
    FQueue.pop_front();
    return true;
}

bool TFakeMessageQueue::GetMessage(TMessage& Message) {
    bool taken = PeekMessage(Message);
    if (!taken && Waiting) {
        Waiting();
        taken = PeekMessage(Message);
    }
    if (!taken) {
        FRanDry = true;
        return false;
    }
    return Message.Msg != WM_QUIT_MESSAGE;
}

void TFakeMessageQueue::DispatchMessage(const TMessage& Message) {
    FDispatched.push_back(Message);
    auto It = FActions.find(Message.Time);
    if (It == FActions.end()) return;
    // Taken out first: the action may pump the queue again.
    auto Action = std::move(It->second);
    FActions.erase(It);
    Action();
}

void TFakeMessageQueue::PostQuitMessage(int ExitCode) {
    FQuitPosted = true;
    FExitCode = ExitCode;
}
