// The engine with real memory and the real message pump.
#include <gmock/gmock.h>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <vector>

#include "engine/MemRecovery.h"
#include "platform/win32/Win32MemoryApi.h"
#include "platform/win32/Win32MessageQueue.h"
#include "tests/win32/engine/TestWindow.h"

namespace {

constexpr SIZE_T MB = 1 << 20;

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS Counters{};
    Counters.cb = sizeof(Counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &Counters, sizeof(Counters));
    return Counters.PagefileUsage;
}

class EngineWin32Test : public testing::Test {
protected:
    void SetUp() override { DrainQueue(); }

    TWin32MemoryApi Memory;
    TWin32MessageQueue Queue;
    TMemRecovery Engine{nullptr, Memory, Queue};
    std::vector<int> Progress;
    int AfterEvents = 0;
};

}  // namespace

TEST_F(EngineWin32Test, WindowMessagePostedMidRunCancelsItAndTheMemoryComesBack) {
    // The pump looks at every window of the thread: the cancel command arrives
    // as a window message, as a button's would.
    TTestWindow Window([this](UINT, WPARAM, LPARAM) { Engine.Cancel(); });
    Progress.reserve(128);
    const SIZE_T Before = PrivateBytes();
    SIZE_T Holding = 0;
    Engine.SetOnProgress(TOnProgress([&](TObject*, int Value) {
        Progress.push_back(Value);
        if (Progress.size() == 8) {
            Holding = PrivateBytes();
            ::PostMessageA(Window.Handle(), WM_APP, 0, 0);
        }
    }));
    Engine.SetOnAfterDefrag(TNotifyEvent([this](TObject*) { ++AfterEvents; }));

    Engine.Defrag(64);

    EXPECT_EQ(Progress.size(), 9u);  // the ninth block's pump delivered the command
    EXPECT_EQ(AfterEvents, 1);
    EXPECT_GE(Holding, Before + 8 * MB);
    const SIZE_T After = PrivateBytes();
    EXPECT_LT(After, Before + MB / 2) << "before " << Before << ", after " << After;
}

TEST_F(EngineWin32Test, QuitDuringARunIsLeftForTheApplicationsLoop) {
    Engine.SetOnProgress(TOnProgress([&](TObject*, int Value) {
        Progress.push_back(Value);
        if (Progress.size() == 2) Queue.PostQuitMessage(5);
    }));

    Engine.Defrag(8);

    ASSERT_EQ(Progress.size(), 16u);  // the run went to its end
    EXPECT_EQ(Progress.back(), 100);
    MSG Msg;
    ASSERT_TRUE(::PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(Msg.wParam, 5u);
}

TEST_F(EngineWin32Test, MemoryFiguresAreSane) {
    const int64_t Total = Engine.TotalMemory();
    const int64_t Free = Engine.FreeMemory();
    EXPECT_GT(Total, int64_t{16 * MB});
    EXPECT_GT(Free, 0);
    EXPECT_LE(Free, Total);

    // Under Wine the host's own figure is at hand: the extended call reports it
    // whole, where the classic one stops at 2 GB.
    std::FILE* MemInfo = std::fopen("Z:\\proc\\meminfo", "r");
    if (!MemInfo) GTEST_SKIP() << "no host figure to compare with";
    long long HostKB = 0;
    std::fscanf(MemInfo, "MemTotal: %lld kB", &HostKB);
    std::fclose(MemInfo);
    EXPECT_NEAR(static_cast<double>(Total), HostKB * 1024.0, HostKB * 1024.0 * 0.02);
}
