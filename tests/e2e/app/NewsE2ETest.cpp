// The news window of the real program, opened from the about page's button,
// a refresh that cannot reach the news server, and its release when the
// session's end is asked for, seen from outside.
#include <gtest/gtest.h>

#include "tests/e2e/app/ProgramDriver.h"

#include <commctrl.h>

namespace {
HWND WaitForWindow(const char* ClassName, const char* Title) {
    for (int i = 0; i < 100; ++i) {
        if (HWND wnd = FindWindowA(ClassName, Title); wnd && IsWindowVisible(wnd)) return wnd;
        Sleep(100);
    }
    return nullptr;
}

// The status bar's text once it has settled on something other than "Connecting to: ...".
std::string SettledStatus(HANDLE Process, HWND StatusBar) {
    std::string text;
    for (int i = 0; i < 150; ++i) {
        text = StatusText(Process, StatusBar);
        if (!text.empty() && text.rfind("Connecting to: ", 0) != 0) break;
        Sleep(100);
    }
    return text;
}
}  // namespace

TEST(NewsE2E, TheButtonOpensTheNewsWindowWhoseUpdateReportsTheUnreachableServer) {
    ASSERT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "an instance from an earlier test is still running";
    TProgramDriver program;
    ASSERT_TRUE(program.Start());
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(FindDescendant(main, "Button", "&Infos directs"), BM_CLICK, 0, 0);
    HWND news = WaitForWindow("TNewsDialog", "Torvane XP News");
    ASSERT_NE(news, nullptr);
    EXPECT_TRUE(GetWindowLongA(news, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongA(news, GWL_STYLE) & WS_THICKFRAME);
    RECT r;
    GetWindowRect(news, &r);
    EXPECT_GE(r.right - r.left, 470);
    EXPECT_GE(r.bottom - r.top, 310);
    SetWindowPos(news, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(news, &r);
    EXPECT_EQ(r.right - r.left, 470) << "never smaller than its first size";
    EXPECT_EQ(r.bottom - r.top, 310);

    HWND tree = FindDescendants(news, WC_TREEVIEWA).at(0);
    HWND status = FindDescendants(news, STATUSCLASSNAMEA).at(0);
    HWND update = FindDescendant(news, nullptr, "Update");
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(StatusText(program.Process(), status), "");
    // A click of the user's own.
    RECT button;
    GetWindowRect(update, &button);
    SetCursorPos(button.left + 8, button.top + 8);
    Sleep(200);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_EQ(SettledStatus(program.Process(), status), "Connection error, request aborted");
    EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 0);

    // Asked whether the session may end, the program releases the news feed
    // and its window, and runs on.
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 5000, &answer));
    EXPECT_EQ(answer, 1u);
    EXPECT_FALSE(IsWindow(news)) << "released with the news feed";
    EXPECT_TRUE(program.Running());
    PostMessageA(FindDescendant(main, "Button", "&Quitter Torvane XP"), BM_CLICK, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}
