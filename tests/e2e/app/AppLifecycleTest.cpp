#include <gtest/gtest.h>

#include "tests/e2e/app/ProgramDriver.h"

namespace {
const char* const SettingsKey = "Software\\Torvane XP\\settings";

class AppLifecycle : public ::testing::Test {
protected:
    TProgramDriver Program;
    HWND Main = nullptr;

    void SetUp() override {
        ASSERT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "an instance from an earlier test is still running";
        DeleteUserKey(SettingsKey);
        ASSERT_TRUE(Program.Start());
        Main = Program.WaitForMainWindow();
        ASSERT_NE(Main, nullptr) << "the main window did not appear";
    }
};
}  // namespace

TEST_F(AppLifecycle, MainWindowIsBorderlessLayeredCentredWithFivePages) {
    EXPECT_EQ(ClassNameOf(Main), "TfMainMem");
    EXPECT_EQ(WindowText(Main), "Torvane XP");
    RECT client;
    GetClientRect(Main, &client);
    EXPECT_EQ(client.right, 360);
    EXPECT_EQ(client.bottom, 313);
    LONG style = GetWindowLongA(Main, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0) << "the window must have no caption";
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(GetWindowLongA(Main, GWL_EXSTYLE) & WS_EX_LAYERED, 0);

    RECT window, area;
    GetWindowRect(Main, &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR(window.left - area.left, area.right - window.right, 1);
    EXPECT_NEAR(window.top - area.top, area.bottom - window.bottom, 1);

    HWND tabs = FindWindowExA(Main, nullptr, "SysTabControl32", nullptr);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(SendMessageA(tabs, 0x1304 /* TCM_GETITEMCOUNT */, 0, 0), 5);
    for (const char* page : {"Système", "Paramètres", "Informations", "Processeur", "A propos de..."})
        EXPECT_NE(FindDescendant(Main, nullptr, page), nullptr) << page;
    EXPECT_NE(FindDescendant(Main, "Button", "&Quitter Torvane XP"), nullptr);
}

TEST_F(AppLifecycle, QuitButtonEndsTheProgramAndSavesTheSettings) {
    HWND quit = FindDescendant(Main, "Button", "&Quitter Torvane XP");
    ASSERT_NE(quit, nullptr);
    PostMessageA(quit, BM_CLICK, 0, 0);
    EXPECT_EQ(Program.WaitForExit(), 0);
    EXPECT_EQ(ReadUserString(SettingsKey, "Version"), "3.1.1");
    EXPECT_NE(ReadUserString(SettingsKey, "Path").find("TorvaneXP.exe\""), std::string::npos);
}

TEST_F(AppLifecycle, SecondStartShowsTheFirstWindowAndEndsWithoutItsOwn) {
    ShowWindow(Main, SW_HIDE);
    ASSERT_FALSE(IsWindowVisible(Main));
    TProgramDriver second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_EQ(Program.WaitForMainWindow(5000), Main);
    EXPECT_EQ(CountTopLevelWindows("TfMainMem"), 1);
    EXPECT_TRUE(Program.Running());
}

TEST_F(AppLifecycle, EndSessionClosesOnlyWhenTheSessionReallyEnds) {
    EXPECT_EQ(SendMessageA(Main, WM_QUERYENDSESSION, 0, 0), 1);
    SendMessageA(Main, WM_ENDSESSION, 0, 0);
    EXPECT_EQ(Program.WaitForExit(1500), -1) << "a session that goes on must keep the program";
    EXPECT_EQ(ReadUserString(SettingsKey, "Version"), "3.1.1") << "settings are saved either way";
    SendMessageA(Main, WM_ENDSESSION, 1, 0);
    EXPECT_EQ(Program.WaitForExit(), 0);
}
