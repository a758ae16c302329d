#pragma once
// The messages between a command and the running instance, without a
// system: the posts to threads are recorded, and a window exists until the
// test says otherwise.
#include <set>
#include <vector>

#include "platform/InstanceLink.h"

class TFakeInstanceLink : public TInstanceLink {
public:
    struct TThreadPost {
        uint32_t Thread;
        uint32_t Msg;
        uintptr_t WParam;
    };
    std::vector<TThreadPost> ThreadPosts;
    std::set<void*> GoneWindows;
    uint32_t Thread = 77;

    uint32_t OptimiseMessage() override { return 0xC200; }
    uint32_t OptimisedMessage() override { return 0xC201; }
    uint32_t ThisThread() override { return Thread; }
    bool PostToThread(uint32_t To, uint32_t Msg, uintptr_t WParam, intptr_t) override {
        ThreadPosts.push_back({To, Msg, WParam});
        return true;
    }
    bool WindowExists(void* Wnd) override { return !GoneWindows.count(Wnd); }
};
