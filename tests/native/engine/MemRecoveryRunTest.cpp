// Recovery runs: progress, blocks held, cancellation, failures, nesting, the pump.
#include <gmock/gmock.h>

#include <stdexcept>

#include "tests/native/engine/EngineFixture.h"

using testing::ElementsAre;

TEST_F(EngineTest, FourBlocksRiseToHalfThenReleaseOneByOne) {
    Engine->Defrag(4);
    EXPECT_THAT(Events, ElementsAre("before", "12", "25", "38", "50", "62", "75", "88", "100", "after"));
    EXPECT_THAT(HeldAt, ElementsAre(0, 1, 2, 3, 4, 3, 2, 1, 0, 0));
    EXPECT_THAT(Memory.ReleaseOrder(), ElementsAre(0, 1, 2, 3));
}

TEST_F(EngineTest, RequestAboveTheLimitIsCutTo1024Blocks) {
    Engine->Defrag(3000);
    EXPECT_EQ(Memory.Commits(), 1024);
    EXPECT_EQ(Memory.PeakHeld(), 1024);
    ASSERT_EQ(Events.size(), 2u + 2048u);
    EXPECT_EQ(Events[1], "0");  // 100 / 2048 rounds down
    EXPECT_EQ(Events[1024], "50");
    EXPECT_EQ(Events[2048], "100");
}

TEST_F(EngineTest, EmptyRequestsFireOnlyStartAndEnd) {
    Engine->Defrag(0);
    Engine->Defrag(-5);
    EXPECT_THAT(Events, ElementsAre("before", "after", "before", "after"));
    EXPECT_EQ(Memory.Commits(), 0);
}

TEST_F(EngineTest, CancelFromTheQueueAfterTheThirdBlockReleasesThemBeforeTheEnd) {
    // Posted at the second step, so the pump after the third block delivers it.
    OnProgress = [this](int Progress) {
        if (Progress == 12) PostAction([this] { Engine->Cancel(); });
    };
    Engine->Defrag(8);
    EXPECT_THAT(Events, ElementsAre("before", "6", "12", "19", "after"));
    EXPECT_THAT(HeldAt, ElementsAre(0, 1, 2, 3, 0));
    EXPECT_THAT(Memory.ReleaseOrder(), ElementsAre(0, 1, 2));
}

TEST_F(EngineTest, CancelDuringReleaseReleasesTheRestSilently) {
    OnProgress = [this](int Progress) {
        if (Progress == 62) Engine->Cancel();
    };
    Engine->Defrag(4);
    EXPECT_THAT(Events, ElementsAre("before", "12", "25", "38", "50", "62", "after"));
    EXPECT_THAT(Memory.ReleaseOrder(), ElementsAre(0, 1, 2, 3));
}

TEST_F(EngineTest, FailedFirstBlockEndsTheRunAfterItsStep) {
    Memory.FailCommit(0);
    Engine->Defrag(4);
    EXPECT_THAT(Events, ElementsAre("before", "12", "after"));
    EXPECT_EQ(Memory.Commits(), 1);
}

TEST_F(EngineTest, NestedRunReturnsAtOnceAndTheOuterRunGoesOn) {
    OnProgress = [this](int Progress) {
        if (Progress == 25) PostAction([this] { Engine->Defrag(10); });
    };
    Engine->Defrag(4);
    ASSERT_EQ(Queue.Dispatched().size(), 1u);  // the nested call was made
    EXPECT_THAT(Events, ElementsAre("before", "12", "25", "38", "50", "62", "75", "88", "100", "after"));
    EXPECT_EQ(Memory.Commits(), 4);
}

TEST_F(EngineTest, NestedCallDropsAFailedBlocksCancelAndTheHoleIsSkipped) {
    // The second commit fails; the pump of that very step runs a nested call,
    // which clears the request, so the run goes on with an empty entry.
    Memory.FailCommit(1);
    OnProgress = [this](int Progress) {
        if (Progress == 12) PostAction([this] { Engine->Defrag(1); });
    };
    Engine->Defrag(4);
    EXPECT_THAT(Events, ElementsAre("before", "12", "25", "38", "50", "62", "75", "88", "100", "after"));
    EXPECT_THAT(Memory.ReleaseOrder(), ElementsAre(0, 2, 3));
}

TEST_F(EngineTest, QuitDuringARunWaitsForTheApplicationsLoop) {
    OnProgress = [this](int Progress) {
        if (Progress == 12) PostAction([this] { Queue.PostQuitMessage(7); });
        if (Progress == 25) PostAction([] {});  // posted after the quit, yet taken before it
    };
    Engine->Defrag(4);
    EXPECT_THAT(Events, ElementsAre("before", "12", "25", "38", "50", "62", "75", "88", "100", "after"));
    EXPECT_EQ(Queue.Dispatched().size(), 2u);  // both actions, never the quit itself

    TMessage Message;
    while (Queue.GetMessage(Message)) Queue.DispatchMessage(Message);
    EXPECT_FALSE(Queue.RanDry());
    EXPECT_EQ(Message.Msg, WM_QUIT_MESSAGE);
    EXPECT_EQ(Message.WParam, 7u);
}

TEST_F(EngineTest, ThrowingHandlerLeavesNothingHeldAndTheEngineIdle) {
    OnProgress = [](int Progress) {
        if (Progress == 25) throw std::runtime_error("handler");
    };
    EXPECT_THROW(Engine->Defrag(4), std::runtime_error);
    EXPECT_EQ(Memory.Held(), 0);

    OnProgress = nullptr;
    Events.clear();
    Engine->Defrag(1);
    EXPECT_THAT(Events, ElementsAre("before", "50", "100", "after"));
}

TEST_F(EngineTest, QueueIsPumpedOncePerWrittenBlockAndNotWhileReleasing) {
    // A message posted at each step reaches its handler at the next pump, if any.
    OnProgress = [this](int) { PostAction([] {}); };
    Engine->Defrag(4);
    EXPECT_EQ(Queue.Dispatched().size(), 3u);
    EXPECT_EQ(Queue.Pending(), 5u);
}
