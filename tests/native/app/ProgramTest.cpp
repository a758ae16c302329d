#include "app/Program.h"

#include "tests/native/app/MainWindowFixture.h"

// The same fakes, with the program creating its own application and window.
using ProgramTest = MainWindowTest;

TEST_F(ProgramTest, SecondStartWakesTheRunningInstanceAndEnds) {
    int running = 0;
    Windows.Running = &running;
    EXPECT_EQ(RunProgram("", Queue, Windows, System), 0);
    EXPECT_EQ(Windows.FoundClass, "TfMainMem");
    EXPECT_EQ(Windows.FoundTitle, "Torvane XP");
    ASSERT_EQ(Windows.Shown.size(), 1u);
    EXPECT_EQ(Windows.Shown[0], std::make_pair(static_cast<void*>(&running), 9));
    ASSERT_EQ(Windows.Posted.size(), 1u);
    EXPECT_EQ(Windows.Posted[0].Wnd, &running);
    EXPECT_EQ(Windows.Posted[0].Msg, 0x0400u);
    EXPECT_EQ(Windows.Posted[0].WParam, 0u);
    EXPECT_EQ(Windows.Posted[0].LParam, 0);
    EXPECT_TRUE(Queue.Dispatched().empty());
    EXPECT_FALSE(Registry.KeyExists("HKCU\\Software\\Torvane XP\\settings")) << "no window may be created";
}

TEST_F(ProgramTest, FirstStartRunsTheWindowUntilTheQuitMessage) {
    Memory.Status = {512 * MB, 256 * MB};
    Queue.PostQuitMessage(0);
    EXPECT_EQ(RunProgram("", Queue, Windows, System), 0);
    EXPECT_FALSE(Queue.RanDry());
    EXPECT_TRUE(Windows.Posted.empty());
    // The window was created and destroyed: its destruction saved the settings.
    EXPECT_EQ(Registry.StringValue("HKCU\\Software\\Torvane XP\\settings", "Version"), "3.1.1");
}
