// The real program's settings in the registry, and its life between the
// window and the tray, seen from outside.
#include <gtest/gtest.h>

#include "tests/e2e/app/ProgramDriver.h"

namespace {
const char* const Settings = "Software\\Torvane XP\\settings";
const char* const Recover = "Software\\Torvane XP\\settings\\Recover Property";
const char* const RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class SettingsE2E : public ::testing::Test {
protected:
    TProgramDriver Program;
    HWND Main = nullptr;
    void SetUp() override {
        ASSERT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "an instance from an earlier test is still running";
        DeleteUserKey(Recover);
        DeleteUserKey(Settings);
    }
    void Start() {
        ASSERT_TRUE(Program.Start());
        Main = Program.WaitForMainWindow();
        ASSERT_NE(Main, nullptr);
    }
    void Quit() {
        PostMessageA(FindDescendant(Main, "Button", "&Quitter Torvane XP"), BM_CLICK, 0, 0);
        ASSERT_EQ(Program.WaitForExit(), 0);
    }
};
}  // namespace

TEST_F(SettingsE2E, TheFirstRunSavesEveryValueAndTheRunEntry) {
    WriteUserString(RunKey, "TorvaneXp", "");
    Start();
    Quit();
    const std::pair<const char*, long> settings[] = {{"StayOnTop", 1}, {"StartWithWindows", 1}, {"Opacite", 255},
                                                     {"Recover Method", 1}};
    for (auto [name, value] : settings) EXPECT_EQ(ReadUserInt(Settings, name), value) << name;
    EXPECT_GT(ReadUserInt(Settings, "Recover MB"), 0) << "half the installed memory";
    const std::pair<const char*, long> recover[] = {{"Free%", 1}, {"Pourcentage", 35}, {"Time", 0}, {"Time value", 45}, {"Pcpu", 15}};
    for (auto [name, value] : recover) EXPECT_EQ(ReadUserInt(Recover, name), value) << name;
    EXPECT_NE(ReadUserString(RunKey, "TorvaneXp").find("TorvaneXP.exe\""), std::string::npos);
    EXPECT_EQ(ReadUserString(RunKey, "TorvaneXp").front(), '"');
}

TEST_F(SettingsE2E, SeededValuesAreHeldToTheirRangesAndAnOffStartDeletesTheRunEntry) {
    WriteUserInt(Settings, "Opacite", 5);
    WriteUserInt(Settings, "Recover MB", 0x7FFFFFFF);
    WriteUserInt(Settings, "StartWithWindows", 0);
    WriteUserInt(Recover, "Pourcentage", 150);
    WriteUserString(RunKey, "TorvaneXp", "\"C:\\ancien\\TorvaneXP.exe\"");
    Start();
    EXPECT_EQ(ReadUserString(RunKey, "TorvaneXp"), "") << "deleted while the settings loaded";
    Quit();
    EXPECT_EQ(ReadUserInt(Settings, "Opacite"), 20);
    EXPECT_LT(ReadUserInt(Settings, "Recover MB"), 0x7FFFFFFF) << "held to the installed memory";
    EXPECT_EQ(ReadUserInt(Recover, "Pourcentage"), 100);
    EXPECT_EQ(ReadUserInt(Settings, "StartWithWindows"), 0);
}

TEST_F(SettingsE2E, TheWindowGoesToTheTrayAndASecondStartBringsItBack) {
    Start();
    for (int i = 0; i < 100 && IsWindowVisible(Main); ++i) Sleep(100);
    ASSERT_FALSE(IsWindowVisible(Main)) << "not hidden after ten seconds";
    TProgramDriver second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_EQ(Program.WaitForMainWindow(5000), Main);
    Quit();
}
