// The window's own commands: the tray, the caption strip, stay-on-top,
// opacity and the about page's links.
#include "app/Author.h"
#include "tests/native/app/MainWindowFixture.h"

TEST_F(MainWindowTest, HidingGoesToTheTrayAndTheTrayBringsTheWindowBackOnTheFirstPage) {
    Create(512 * MB);
    Form->Show();
    Form->Memoire->SetActivePageIndex(3);
    Form->ImageButton2->Click();
    EXPECT_FALSE(Form->Visible());
    EXPECT_TRUE(Form->TrayIcon1->IconVisible());
    EXPECT_EQ(Shell.Shown.size(), 1u);
    Shell.Notify(WM_LBUTTONDBLCLK_MESSAGE);  // the icon's double click
    EXPECT_TRUE(Form->Visible());
    EXPECT_EQ(Form->Memoire->ActivePageIndex(), 0);
    EXPECT_FALSE(Form->TrayIcon1->IconVisible());
    EXPECT_TRUE(Shell.Shown.empty());
}

TEST_F(MainWindowTest, OnlyTheLeftButtonDragsTheWindowByItsStrip) {
    Create(512 * MB);
    Form->Image2->MouseDown(mbRight, 0, 5, 5);
    EXPECT_TRUE(Windows.Sent.empty());
    Form->Image2->MouseDown(mbLeft, 0, 5, 5);
    ASSERT_EQ(Windows.Sent.size(), 1u);
    EXPECT_EQ(Windows.CaptureReleases, 1);
    EXPECT_EQ(Windows.Sent[0].Msg, 274u);
    EXPECT_EQ(Windows.Sent[0].WParam, 0xF012u);
    EXPECT_EQ(Windows.Sent[0].LParam, 0);
}

TEST_F(MainWindowTest, OpacityAndStayOnTopFollowTheirControls) {
    Create(512 * MB);
    EXPECT_TRUE(Form->TrackBar2->Enabled()) << "where the system has layered windows";
    const std::pair<int, const char*> opacities[] = {{255, "100%"}, {128, "50%"}, {20, "8%"}};
    for (auto [position, hint] : opacities) {
        Form->TrackBar2->PositionFromWindow(position);
        EXPECT_EQ(Form->AlphaBlendValue(), position);
        EXPECT_EQ(Form->TrackBar2->Hint(), hint);
    }
    Form->CheckBox2->CheckedFromWindow(false);  // by the keyboard, too
    EXPECT_FALSE(Form->TopMost());
    Windows.Layered = false;
    Create(512 * MB);
    EXPECT_FALSE(Form->TrackBar2->Enabled());
}

TEST_F(MainWindowTest, TheLinksOpenWithTheShellAndShowTheirColours) {
    Create(512 * MB);
    Windows.ShowCommand = 7;
    Form->BoldLabel4->Click();
    Form->Label11->Click();
    ASSERT_EQ(Shell.Executed.size(), 2u);
    EXPECT_EQ(Shell.Executed[0].Operation, "");
    EXPECT_EQ(Shell.Executed[0].File, WebAddress);
    EXPECT_EQ(Shell.Executed[0].ShowCommand, 7) << "the program's own show command";
    EXPECT_EQ(Shell.Executed[1].Operation, "Open");
    EXPECT_EQ(Shell.Executed[1].File,
              std::string("mailto:") + AuthorMail + "?subject=Torvane Xp Version : 3.1.1&body=");
    EXPECT_EQ(Shell.Executed[1].ShowCommand, 1);
    EXPECT_EQ(Form->Label11->Caption(), std::string("Email : ") + AuthorMail);

    TLabel* link = Form->BoldLabel4;
    link->MouseEnter();
    EXPECT_EQ(link->Cursor(), crHandPoint);
    EXPECT_EQ(link->Font().Color(), clRed);
    link->MouseDown(mbRight, 0, 1, 1);
    EXPECT_EQ(link->Font().Color(), clWhite);
    link->MouseLeave();
    EXPECT_EQ(link->Cursor(), crArrow);
    EXPECT_EQ(link->Font().Color(), clBlack);
}

TEST_F(MainWindowTest, TheNewsButtonShowsTheNewsWindowThatTheSessionsEndAndTheExitRelease) {
    Create(512 * MB);
    ASSERT_NE(Form->NewsFeed1, nullptr);
    EXPECT_EQ(Form->NewsFeed1->Title(), "Torvane XP News");
    EXPECT_EQ(Form->NewsFeed1->URL(), "http://www.torvane.example/NewsFeed.inf");
    EXPECT_FALSE(Form->NewsFeed1->Dialog()->Visible());
    Form->SkinButton1->Click();
    EXPECT_TRUE(Form->NewsFeed1->Dialog()->Visible());
    EXPECT_TRUE(Download.Calls.empty()) << "showing fetches nothing";

    intptr_t result = 0;
    TMessage query{nullptr, 0x0011, 0, 0};
    ASSERT_TRUE(Form->WndProc(query, result));
    EXPECT_EQ(Form->NewsFeed1, nullptr);
    EXPECT_EQ(Form->FindComponent("NewsFeed1"), nullptr);
    Form->SkinButton1->Click();  // the session went on: the button makes the feed again
    ASSERT_NE(Form->NewsFeed1, nullptr);
    EXPECT_TRUE(Form->NewsFeed1->Dialog()->Visible());

    Form->exit_appli();
    EXPECT_EQ(Form->NewsFeed1, nullptr);
    EXPECT_TRUE(QuitQueued());
}
