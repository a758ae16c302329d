#pragma once
// An engine over the scripted memory API and queue, with its events written
// down in order together with the number of blocks held at each one.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/MemRecovery.h"
#include "tests/fakes/FakeMemoryApi.h"
#include "tests/fakes/FakeMessageQueue.h"

constexpr uint64_t MB = 1 << 20;

class EngineTest : public testing::Test {
protected:
    void MakeEngine(uint64_t TotalPhys) {
        Memory.Status = {TotalPhys, TotalPhys / 2};
        Engine = std::make_unique<TMemRecovery>(nullptr, Memory, Queue);
        Engine->SetOnBeforeDefrag(TNotifyEvent([this](TObject* Sender) { Note(Sender, "before"); }));
        Engine->SetOnAfterDefrag(TNotifyEvent([this](TObject* Sender) { Note(Sender, "after"); }));
        Engine->SetOnProgress(TOnProgress([this](TObject* Sender, int Progress) {
            Note(Sender, std::to_string(Progress));
            if (OnProgress) OnProgress(Progress);
        }));
    }
    void SetUp() override { MakeEngine(512 * MB); }

    // Whatever path a run took, nothing may stay held and nothing foreign,
    // null or unwritten may be released.
    void TearDown() override {
        EXPECT_EQ(Memory.Held(), 0);
        EXPECT_EQ(Memory.BadReleases(), 0);
        EXPECT_EQ(Memory.UnzeroedReleases(), 0);
    }

    // Queues a message whose dispatch runs Action (the pump delivers it).
    void PostAction(std::function<void()> Action) { Queue.Post(TMessage{nullptr, 0x0400}, std::move(Action)); }

    TFakeMemoryApi Memory;
    TFakeMessageQueue Queue;
    std::unique_ptr<TMemRecovery> Engine;
    std::function<void(int)> OnProgress;  // the test's own reaction to a progress event
    std::vector<std::string> Events;
    std::vector<int> HeldAt;

private:
    void Note(TObject* Sender, std::string Event) {
        EXPECT_EQ(Sender, Engine.get());
        Events.push_back(std::move(Event));
        HeldAt.push_back(Memory.Held());
    }
};
