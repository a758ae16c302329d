// The history file and the command line on the real program under Wine: a
// command made by the running instance, with its exit code; a run from
// "&Optimise!" and a command alone, each with a complete line a minute later
// in the application-data folder.
#include "tests/e2e/app/ProgramDriver.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace {
std::string HistoryFileName() { return std::string(std::getenv("APPDATA")) + "\\Torvane XP\\historique.csv"; }

// The fields of each line after the header.
std::vector<std::vector<std::string>> HistoryRuns() {
    std::ifstream file(HistoryFileName(), std::ios::binary);
    std::vector<std::vector<std::string>> runs;
    std::string line;
    for (std::getline(file, line); std::getline(file, line);) {
        std::stringstream fields(line.substr(0, line.size() - 1));  // without the CR
        runs.emplace_back();
        for (std::string field; std::getline(fields, field, ';');) runs.back().push_back(field);
    }
    return runs;
}

bool WaitFor(const std::function<bool()>& Condition, DWORD TimeoutMs) {
    for (DWORD waited = 0; waited < TimeoutMs; waited += 50, Sleep(50))
        if (Condition()) return true;
    return false;
}

// The most physical memory the process has held, megabytes: a run holds all
// its written blocks at its height (Wine keeps no peak of committed memory).
double PeakMemoryMB(HANDLE Process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(Process, &counters, sizeof counters);
    return counters.PeakWorkingSetSize / 1048576.0;
}

class History : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "an instance from an earlier test is still running";
        DeleteUserKey("Software\\Torvane XP\\settings\\Recover Property");
        DeleteUserKey("Software\\Torvane XP\\settings");
        DeleteFileA(HistoryFileName().c_str());
    }
    void Quit(HWND Main) {
        PostMessageA(FindDescendant(Main, "Button", "&Quitter Torvane XP"), BM_CLICK, 0, 0);
        Instance.WaitForExit();
    }
    TProgramDriver Instance, Command;
};
}  // namespace

TEST_F(History, TheRunningInstanceMakesTheCommandsRunAndTheCommandExitsWithItsResult) {
    const std::tuple<const char*, int, const char*> cases[] = {{"/optimise 512", 0, "Manuel;512"},
                                                               {"-Optimise", 1, "Système;1024"}};  // cancelled
    for (auto [arguments, exit, run] : cases) {
        ASSERT_TRUE(Instance.Start());
        HWND main = Instance.WaitForMainWindow(), cancel = FindDescendant(main, "Button", "&Annuler");
        const double before = PeakMemoryMB(Instance.Process());
        ASSERT_TRUE(Command.Start(arguments));
        if (exit) {
            ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(cancel) != 0; }, 15000)) << "the instance made no run";
            PostMessageA(cancel, BM_CLICK, 0, 0);
        } else {
            ASSERT_TRUE(WaitFor([&] { return PeakMemoryMB(Instance.Process()) > before + 500; }, 15000))
                << "the instance made no run of 512 MB";
        }
        ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(cancel); }, 30000)) << "the run did not end";
        EXPECT_TRUE(Command.Running()) << "the command waits for the run's minute";
        Quit(main);  // which writes the run's line at once, and answers the command
        EXPECT_EQ(Command.WaitForExit(), exit) << arguments;
        const auto runs = HistoryRuns();
        ASSERT_EQ(runs.size(), 1u) << arguments;
        ASSERT_EQ(runs[0].size(), 13u);
        EXPECT_EQ(runs[0][2] + ";" + runs[0][3] + ";" + runs[0][4] + ";" + runs[0][7] + ";" + runs[0][12],
                  std::string("ligne de commande;") + run + ";;" + (exit ? "annulé" : "terminé"));
        DeleteFileA(HistoryFileName().c_str());
    }
}

TEST_F(History, AManualRunAndACommandAloneEachHaveACompleteLineWithinSeventySeconds) {
    ASSERT_TRUE(Command.Start("/optimise 64"));
    ASSERT_TRUE(WaitFor([&] { return PeakMemoryMB(Command.Process()) > 64; }, 15000)) << "the command made no run";
    EXPECT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "the command alone shows no window";
    ASSERT_TRUE(Instance.Start());
    HWND main = Instance.WaitForMainWindow();
    const DWORD clicked = GetTickCount();
    PostMessageA(FindDescendant(main, "Button", "&Optimise!"), BM_CLICK, 0, 0);
    // A line is written once its later reading is taken.
    ASSERT_TRUE(WaitFor([] { return HistoryRuns().size() == 2; }, 70000)) << HistoryRuns().size() << " lines";
    EXPECT_LE(GetTickCount() - clicked, 70000u);
    EXPECT_EQ(Command.WaitForExit(1000), 0);
    for (const auto& run : HistoryRuns()) {
        ASSERT_EQ(run.size(), 13u);
        const std::string what = run[2] + ";" + run[3] + ";" + run[4];
        EXPECT_TRUE(what == "ligne de commande;Manuel;64" || what == "manuel;Système;1024") << what;
        EXPECT_EQ(run[8] + ";" + run[12], "60;terminé") << what << ": read again a minute after the run";
        EXPECT_GE(std::stol(run[10]), 0) << what;
    }
    Quit(main);
}
