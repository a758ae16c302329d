// The runs' history and the command line on the real program: the usage and
// its exit codes, a command carried out by the running instance, and runs
// whose lines are complete a minute later, read back from the history file.
#include "tests/e2e/app/ProgramDriver.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

namespace {
std::string HistoryFileName() {
    const char* appData = std::getenv("APPDATA");
    return std::string(appData ? appData : "") + "\\Torvane XP\\historique.csv";
}

// The history's lines after its header.
std::vector<std::string> HistoryRuns() {
    std::ifstream file(HistoryFileName(), std::ios::binary);
    std::vector<std::string> runs;
    std::string line;
    for (bool header = true; std::getline(file, line); header = false) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!header) runs.push_back(line);
    }
    return runs;
}

bool WaitFor(const std::function<bool()>& Condition, DWORD TimeoutMs) {
    for (DWORD waited = 0; waited < TimeoutMs; waited += 50, Sleep(50))
        if (Condition()) return true;
    return false;
}

// The most physical memory the process has held so far, megabytes: a run
// writes its blocks, so they are all held at its height. (Wine reports no
// peak of the committed memory.)
double PeakMemoryMB(HANDLE Process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(Process, &counters, sizeof counters);
    return counters.PeakWorkingSetSize / 1048576.0;
}

// "field;field;..." of one line.
std::vector<std::string> Fields(const std::string& Line) {
    std::vector<std::string> fields;
    std::stringstream stream(Line);
    for (std::string field; std::getline(stream, field, ';');) fields.push_back(field);
    return fields;
}

class History : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "an instance from an earlier test is still running";
        DeleteUserKey("Software\\Torvane XP\\settings\\Recover Property");
        DeleteUserKey("Software\\Torvane XP\\settings");
        DeleteFileA(HistoryFileName().c_str());
    }
    HWND StartInstance() {
        if (!Instance.Start()) return nullptr;
        return Instance.WaitForMainWindow();
    }
    void Quit(HWND Main) {
        if (HWND quit = FindDescendant(Main, "Button", "&Quitter Torvane XP")) PostMessageA(quit, BM_CLICK, 0, 0);
        Instance.WaitForExit();
    }
    TProgramDriver Instance;
    TProgramDriver Command;
};
}  // namespace

TEST_F(History, TheUsageIsShownForAQuestionOrABadOptionWhichExitsWith2) {
    for (auto [arguments, exit] : {std::pair{"/?", 0}, {"-optimise 64 MB", 2}, {"/optimize", 2}}) {
        ASSERT_TRUE(Command.Start(arguments));
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", "Torvane XP")) != nullptr; }, 15000)) << arguments;
        std::string text;
        for (HWND label : FindDescendants(box, "Static")) text += WindowText(label);
        EXPECT_NE(text.find("TorvaneXP.exe /optimise N"), std::string::npos) << text;
        EXPECT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "no main window";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(Command.WaitForExit(), exit) << arguments;
    }
    EXPECT_TRUE(HistoryRuns().empty());
}

TEST_F(History, TheRunningInstanceMakesTheCommandsRunAndTheCommandExitsWithItsResult) {
    struct TCase {
        const char* Arguments;
        bool Cancel;
        int Exit;
        const char* Method;
        const char* Outcome;
    };
    for (const TCase& c : {TCase{"/optimise 512", false, 0, "Manuel", "terminé"},
                           TCase{"-Optimise", true, 1, "Système", "annulé"}}) {
        HWND main = StartInstance();
        ASSERT_NE(main, nullptr);
        HWND cancel = FindDescendant(main, "Button", "&Annuler");
        const double before = PeakMemoryMB(Instance.Process());
        ASSERT_TRUE(Command.Start(c.Arguments));
        if (c.Cancel) {
            ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(cancel) != 0; }, 15000)) << "the instance's run did not start";
            PostMessageA(cancel, BM_CLICK, 0, 0);
        } else {
            ASSERT_TRUE(WaitFor([&] { return PeakMemoryMB(Instance.Process()) > before + 500; }, 15000))
                << "the instance made no run of 512 MB";
        }
        ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(cancel); }, 30000)) << "the run did not end";
        EXPECT_TRUE(Command.Running()) << "the command waits for the run's minute";
        Quit(main);  // which writes the run's line at once, and answers the command
        EXPECT_EQ(Command.WaitForExit(), c.Exit) << c.Arguments;
        const std::vector<std::string> runs = HistoryRuns();
        ASSERT_EQ(runs.size(), 1u) << c.Arguments;
        const std::vector<std::string> fields = Fields(runs[0]);
        ASSERT_EQ(fields.size(), 13u) << runs[0];
        EXPECT_EQ(fields[2], "ligne de commande");
        EXPECT_EQ(fields[3], c.Method);
        EXPECT_EQ(fields[7], "") << "quit before its minute";
        EXPECT_EQ(fields[12], c.Outcome);
        DeleteFileA(HistoryFileName().c_str());
    }
}

TEST_F(History, AManualRunAndACommandRunAloneEachHaveACompleteLineWithinSeventySeconds) {
    ASSERT_TRUE(Command.Start("/optimise 64"));
    ASSERT_TRUE(WaitFor([&] { return PeakMemoryMB(Command.Process()) > 64; }, 15000)) << "the command made no run";
    EXPECT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "the command alone shows no window";
    HWND main = StartInstance();
    ASSERT_NE(main, nullptr);
    HWND optimise = FindDescendant(main, "Button", "&Optimise!");
    const DWORD clicked = GetTickCount();
    PostMessageA(optimise, BM_CLICK, 0, 0);
    // A line is written once it is complete.
    ASSERT_TRUE(WaitFor([] { return HistoryRuns().size() == 2; }, 70000)) << HistoryRuns().size() << " lines 70 s after the click";
    EXPECT_LE(GetTickCount() - clicked, 70000u);
    EXPECT_EQ(Command.WaitForExit(1000), 0);
    std::map<std::string, std::vector<std::string>> byTrigger;
    for (const std::string& run : HistoryRuns()) byTrigger[Fields(run)[2]] = Fields(run);
    ASSERT_EQ(byTrigger.size(), 2u);
    const std::vector<std::string>& command = byTrigger["ligne de commande"];
    EXPECT_EQ(command[3], "Manuel");
    EXPECT_EQ(command[4], "64");
    const std::vector<std::string>& manual = byTrigger["manuel"];
    EXPECT_EQ(manual[3], "Système");
    for (const auto& [trigger, fields] : byTrigger) {
        EXPECT_EQ(fields[8], "60") << trigger << ": the later reading a minute after the run";
        EXPECT_GE(std::stol(fields[10]), 0) << trigger;
        EXPECT_EQ(fields[12], "terminé") << trigger;
    }
    Quit(main);
}
