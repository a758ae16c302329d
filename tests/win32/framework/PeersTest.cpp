// Controls bound to real windows: what a screen reader or a test driver sees
// from outside is what the controls hold.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/Win32MessageQueue.h"
#include "tests/win32/framework/WindowQueries.h"
#include "platform/win32/Win32WindowSystem.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"

namespace {
class TTestForm : public TForm {
public:
    TTestForm(TComponent* AOwner, TApplication& App) : TForm(AOwner, App) {
        SetBorderStyle(bsNone);
        SetBounds(200, 200, 360, 313);
        SetCaption("Peer test");
        SetAlphaBlend(true);
        SetScreenSnap(true);
        Pages = new TPageControl(this);
        Pages->SetParent(this);
        Pages->SetBounds(0, 25, 360, 288);
        First = new TTabSheet(this, Pages);
        First->SetCaption("Un");
        Second = new TTabSheet(this, Pages);
        Second->SetCaption("Deux");
        Label = new TLabel(this);
        Label->SetParent(First);
        Label->SetBounds(8, 8, 200, 20);
        Label->SetCaption("Mémoire libre");
        Button = new TButton(this);
        Button->SetParent(First);
        Button->SetBounds(8, 40, 120, 25);
        Button->SetCaption("&Quitter");
        Button->SetHint("Quitte le programme");
        Button->OnClick = TNotifyEvent([this](TObject*) { ++Clicks; });
    }
    const char* ClassName() const override { return "TPeerTestForm"; }
    bool WndProc(TMessage& Message, intptr_t& Result) override {
        if (Message.Msg != WM_USER) return TForm::WndProc(Message, Result);
        Result = 77;
        return true;
    }
    TPageControl* Pages;
    TTabSheet *First, *Second;
    TLabel* Label;
    TButton* Button;
    int Clicks = 0;
};

}  // namespace

class PeersTest : public ::testing::Test {
protected:
    void SetUp() override { InitCommonControls(); }
    TWin32MessageQueue Queue;
    TWin32WindowSystem Windows;
    TApplication App{Queue, Windows};
};

TEST_F(PeersTest, ControlsBecomeRealWindowsThatFollowTheirState) {
    auto* form = App.CreateForm<TTestForm>();
    form->Show();
    HWND wnd = static_cast<HWND>(form->Handle());
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(ClassOf(wnd), "TPeerTestForm");
    EXPECT_EQ(TextOf(wnd), "Peer test");
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(GetWindowLongA(wnd, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_NE(GetWindowLongA(wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);

    EXPECT_EQ(ClassOf(form->Label->Handle()), "Static");
    EXPECT_EQ(TextOf(form->Label->Handle()), "Mémoire libre");
    form->Label->SetCaption("Libre : 12 Mo");
    EXPECT_EQ(TextOf(form->Label->Handle()), "Libre : 12 Mo");
    form->Label->Font().SetStyle(fsBold);
    LOGFONTA font{};
    auto shown = reinterpret_cast<HFONT>(SendMessageA(static_cast<HWND>(form->Label->Handle()), WM_GETFONT, 0, 0));
    ASSERT_TRUE(GetObjectA(shown, sizeof font, &font));
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
    form->Button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(static_cast<HWND>(form->Button->Handle())));
    form->Button->SetEnabled(true);
    EXPECT_EQ(HintTools(wnd), 1) << "the button's hint";
    form->Label->SetHint("MEMOIRE LIBRE :\r\nen mégaoctets");
    EXPECT_EQ(HintTools(wnd), 2);
    form->Label->SetHint("");
    EXPECT_EQ(HintTools(wnd), 1);
    SendMessageA(static_cast<HWND>(form->Button->Handle()), BM_CLICK, 0, 0);
    EXPECT_EQ(form->Clicks, 1);

    HWND tabs = static_cast<HWND>(form->Pages->Handle());
    EXPECT_EQ(TabCtrl_GetItemCount(tabs), 2);
    EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(form->First->Handle())));
    TabCtrl_SetCurSel(tabs, 1);
    NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(wnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(form->Pages->ActivePageIndex(), 1);
    EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(form->First->Handle())));
    EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(form->Second->Handle())));
    form->Pages->SetActivePageIndex(0);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);

    RECT sheet;
    GetWindowRect(static_cast<HWND>(form->First->Handle()), &sheet);
    RECT inside;
    GetWindowRect(tabs, &inside);
    EXPECT_GT(sheet.top, inside.top) << "the sheet must sit below the tabs";
}

TEST_F(PeersTest, MessagesReachTheFormAndMovesSnapToTheEdges) {
    auto* form = App.CreateForm<TTestForm>();
    form->Show();
    HWND wnd = static_cast<HWND>(form->Handle());
    EXPECT_EQ(SendMessageA(wnd, WM_USER, 0, 0), 77);

    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    SetWindowPos(wnd, nullptr, area.left + 6, area.top + 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT placed;
    GetWindowRect(wnd, &placed);
    EXPECT_EQ(placed.left, area.left);
    EXPECT_EQ(placed.top, area.top + 150);
    SetWindowPos(wnd, nullptr, area.left + 40, area.top + 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(wnd, &placed);
    EXPECT_EQ(placed.left, area.left + 40);

    SendMessageA(wnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(wnd));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "closing the main form ends the loop";
}
