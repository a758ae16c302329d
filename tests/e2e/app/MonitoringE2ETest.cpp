// The running program's live page, its recovery runs and its hiding after
// start, watched from outside: its window texts and its memory counters.
#include "tests/e2e/app/ProgramDriver.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
struct TTextSearch {
    bool (*Matches)(const std::string&);
    HWND Found;
};

BOOL CALLBACK MatchText(HWND Wnd, LPARAM Param) {
    auto* search = reinterpret_cast<TTextSearch*>(Param);
    if (!search->Matches(WindowText(Wnd))) return TRUE;
    search->Found = Wnd;
    return FALSE;
}

HWND FindText(HWND Parent, bool (*Matches)(const std::string&)) {
    TTextSearch search{Matches, nullptr};
    EnumChildWindows(Parent, MatchText, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// "N MB" and "N%".
bool IsMegabytes(const std::string& Text) {
    return Text.size() > 3 && Text.substr(Text.size() - 3) == " MB" && std::isdigit(static_cast<unsigned char>(Text[0]));
}
bool IsPercent(const std::string& Text) {
    return Text.size() > 1 && Text.back() == '%' && std::isdigit(static_cast<unsigned char>(Text[0]));
}

class AppRunning : public ::testing::Test {
protected:
    TProgramDriver Program;
    HWND Main = nullptr;

    void SetUp() override {
        ASSERT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "an instance from an earlier test is still running";
        DeleteUserKey("Software\\Torvane XP\\settings");
        ASSERT_TRUE(Program.Start());
        Main = Program.WaitForMainWindow();
        ASSERT_NE(Main, nullptr);
    }
    void TearDown() override {
        if (HWND quit = FindDescendant(Main, "Button", "&Quitter Torvane XP")) PostMessageA(quit, BM_CLICK, 0, 0);
        Program.WaitForExit();
    }
    // The program's committed memory, megabytes.
    double CommitMB() const {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(Program.Process(), &counters, sizeof counters);
        return counters.PagefileUsage / 1048576.0;
    }
    // Waits up to TimeoutMs for Condition, meanwhile noting the largest commit.
    bool WaitFor(bool (*Condition)(HWND), HWND Wnd, DWORD TimeoutMs, double* Peak = nullptr) {
        for (DWORD waited = 0; waited < TimeoutMs; waited += 20) {
            if (Peak) *Peak = std::max(*Peak, CommitMB());
            if (Condition(Wnd)) return true;
            Sleep(20);
        }
        return false;
    }
    HWND Button(const char* Caption) const { return FindDescendant(Main, "Button", Caption); }
    static bool Enabled(HWND Wnd) { return IsWindowEnabled(Wnd); }
    static bool Disabled(HWND Wnd) { return !IsWindowEnabled(Wnd); }
};
}  // namespace

// In this order: the window shows, a monitoring tick fills its read-outs
// while it is still there, then it goes to the tray by itself, and the
// program runs on.
TEST_F(AppRunning, ShowsFreeMemoryAndItsGaugesThenHidesItselfAndRunsOn) {
    HWND label = nullptr;
    for (int i = 0; i < 50 && !label; ++i, Sleep(50)) label = FindText(Main, IsMegabytes);
    ASSERT_NE(label, nullptr) << "no free-memory read-out";
    EXPECT_EQ(ClassNameOf(label), "Static");
    EXPECT_NE(FindText(Main, IsPercent), nullptr) << "no gauge reads its percentage";
    EXPECT_TRUE(IsWindowVisible(Main)) << "the read-outs were filled while the window was shown";
    ASSERT_TRUE(WaitFor([](HWND Wnd) { return !IsWindowVisible(Wnd); }, Main, 20000)) << "never went to the tray";
    EXPECT_TRUE(Program.Running());
}

TEST_F(AppRunning, OptimiseCommitsTheRunsMemoryAndGivesItBack) {
    HWND optimise = Button("&Optimise!"), cancel = Button("&Annuler");
    ASSERT_NE(optimise, nullptr);
    ASSERT_TRUE(Disabled(cancel)) << "nothing to cancel yet";
    const double before = CommitMB();
    double peak = before;
    PostMessageA(optimise, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor(Enabled, cancel, 5000, &peak)) << "the run did not start";
    ASSERT_TRUE(WaitFor(Disabled, cancel, 60000, &peak)) << "the run did not end";
    // The idle state disables one command, then enables the other: give it the moment between.
    EXPECT_TRUE(WaitFor(Enabled, optimise, 2000));
    // The system method's run: half the installed memory as the program sees
    // it (as this test does, under the same limits), at most 1024 blocks of
    // 1 MB; the commit is sampled while the run goes on, so the last blocks
    // may pass unseen.
    MEMORYSTATUS memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    const double run = std::min(std::nearbyint(memory.dwTotalPhys / 1048576.0 / 2), 1024.0);
    EXPECT_GT(peak - before, run * 0.85) << "a run of " << run << " MB";
    EXPECT_LT(peak - before, run + 16) << "a run of " << run << " MB";
    EXPECT_LT(CommitMB() - before, 32) << "every block is released";
}

TEST_F(AppRunning, ARunStopsWhenCancelledFromTheButtonOrFromTheMenu) {
    HWND optimise = Button("&Optimise!"), cancel = Button("&Annuler");
    HWND tabs = FindWindowExA(Main, nullptr, "SysTabControl32", nullptr);
    ASSERT_NE(tabs, nullptr);
    for (bool fromMenu : {false, true}) {
        const double before = CommitMB();
        PostMessageA(optimise, BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitFor(Enabled, cancel, 5000)) << fromMenu;
        if (!fromMenu) {
            PostMessageA(cancel, BM_CLICK, 0, 0);
        } else {
            RECT r;
            GetWindowRect(tabs, &r);
            PostMessageA(tabs, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tabs), MAKELPARAM(r.left + 40, r.top + 60));
            HWND menu = nullptr;
            for (int i = 0; i < 250 && !menu; ++i, Sleep(20)) menu = FindWindowA("#32768", nullptr);
            ASSERT_NE(menu, nullptr) << "the pages' menu did not open";
            // Wine keeps a menu's items to its own process: the third item,
            // "&Annuler", is chosen by keys (the texts are checked in-process).
            for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(menu, WM_KEYDOWN, key, 0);
        }
        const double atCancel = CommitMB();
        double peak = atCancel;
        ASSERT_TRUE(WaitFor(Disabled, cancel, 20000, &peak)) << fromMenu;
        ASSERT_TRUE(Program.Running()) << "the cancel, not the quit, was chosen";
        EXPECT_TRUE(WaitFor(Enabled, optimise, 2000));
        EXPECT_LT(peak - atCancel, 16) << "nothing more is committed after the cancel (" << fromMenu << ")";
        EXPECT_LT(CommitMB() - before, 32);
    }
}
