// The tray icon: what the shell is told, the mouse notifications turned into
// events on a virtual clock, the menu, minimising into the tray and the
// shell's restart.
#include <functional>

#include "tests/native/tray/TrayFixture.h"
#include "tray/TrayIcon.h"

namespace {
class TrayIconTest : public TrayFixture {
protected:
    TTrayIcon* Icon = new TTrayIcon(Form, Windows, Shell);
    void WireAll() {
        Icon->OnClick = Record("click");
        Icon->OnMouseDown = RecordMouse("down");
        Icon->OnMouseUp = RecordMouse("up");
        Icon->OnMouseEnter = Record("enter");
        Icon->OnMouseExit = Record("exit");
        Icon->OnMouseMove = TEvent<int, int, int>([this](TObject*, int, int X, int Y) {
            Events.push_back("move " + std::to_string(X) + "," + std::to_string(Y));
        });
    }
};
}  // namespace

TEST_F(TrayIconTest, TheTipIsTheHintsFirst127CharactersWhileHintsShow) {
    Icon->SetIconVisible(true);
    EXPECT_EQ(Last().Command, NIM_ADD_COMMAND);
    EXPECT_EQ(Last().Id, Icon->Id());
    Icon->SetHint(std::string(200, 'x'));
    EXPECT_EQ(Last().Command, NIM_MODIFY_COMMAND);
    EXPECT_EQ(Last().Tip, std::string(127, 'x'));
    EXPECT_EQ(Icon->Hint().size(), 200u);
    Icon->SetHint(std::string(300, 'y'));
    EXPECT_EQ(Icon->Hint().size(), 255u);
    Icon->SetShowHint(false);
    EXPECT_EQ(Last().Tip, "");
    Icon->SetShowHint(true);
    Icon->SetHint("");
    EXPECT_EQ(Last().Tip, "");
    Icon->SetIconVisible(false);
    Icon->SetIconVisible(false);  // asked again, refused quietly
    EXPECT_EQ(Last().Command, NIM_DELETE_COMMAND);
    EXPECT_FALSE(Last().Done);
}

TEST_F(TrayIconTest, AnIconThatShouldBeThereIsAddedAgainWhenTheShellLostIt) {
    Icon->SetIconVisible(true);
    Shell.Shown.clear();  // the shell restarted and forgot it
    Icon->SetHint("RAM Libre : 118 MB");
    EXPECT_EQ(Last().Command, NIM_ADD_COMMAND);
    EXPECT_TRUE(Shell.Shown.count(Last().Id));
}

// The shell hears of a change only: the same tip again, or anything while the
// icon is out of the area, costs no call (the tip is set at every tick).
TEST_F(TrayIconTest, TheShellIsToldOnlyWhatItDoesNotShowYet) {
    TIcon picture;
    picture.AssignBitmap(TBitmap(16, 16), clNone);
    const struct {
        const char* Name;
        std::function<void()> Act;
        std::vector<uint32_t> Told;
    } steps[] = {
        {"shown", [&] { Icon->SetIconVisible(true); }, {NIM_ADD_COMMAND}},
        {"a tip", [&] { Icon->SetHint("RAM Libre : 118 MB"); }, {NIM_MODIFY_COMMAND}},
        {"the same tip", [&] { Icon->SetHint("RAM Libre : 118 MB"); }, {}},
        {"a picture", [&] { Icon->SetIcon(picture); }, {NIM_MODIFY_COMMAND}},
        {"hidden", [&] { Icon->SetIconVisible(false); }, {NIM_DELETE_COMMAND}},
        {"a tip while hidden", [&] { Icon->SetHint("caché"); }, {}},
        {"shown again", [&] { Icon->SetIconVisible(true); }, {NIM_ADD_COMMAND}},
    };
    for (const auto& step : steps) {
        const size_t before = Shell.Calls.size();
        step.Act();
        std::vector<uint32_t> told;
        for (size_t i = before; i < Shell.Calls.size(); ++i) told.push_back(Shell.Calls[i].Command);
        EXPECT_EQ(told, step.Told) << step.Name;
    }
    EXPECT_EQ(Last().Tip, "caché");
}

TEST_F(TrayIconTest, ClicksAndDoubleClicksKeepApartByTheDoubleClickTime) {
    WireAll();
    Windows.ShiftState = ssShift;
    // Without a double-click handler the click comes at once, before mouse up.
    Shell.Notify(WM_LBUTTONDOWN_MESSAGE);
    Shell.Notify(WM_LBUTTONUP_MESSAGE);
    EXPECT_EQ(Events, (std::vector<std::string>{"down left+shift", "click", "up left+shift"}));

    Icon->OnDblClick = Record("double");
    Events.clear();
    Shell.Notify(WM_LBUTTONDOWN_MESSAGE);
    Shell.Notify(WM_LBUTTONUP_MESSAGE);
    EXPECT_EQ(Events, (std::vector<std::string>{"down left+shift", "up left+shift"}));
    Windows.Clock.Advance(500);
    EXPECT_EQ(Events.back(), "click") << "one double-click time after the press";

    Events.clear();
    Shell.Notify(WM_LBUTTONDOWN_MESSAGE);
    Shell.Notify(WM_LBUTTONUP_MESSAGE);
    Shell.Notify(WM_LBUTTONDBLCLK_MESSAGE);
    Shell.Notify(WM_LBUTTONUP_MESSAGE);
    Windows.Clock.Advance(1000);
    EXPECT_EQ(Events, (std::vector<std::string>{"down left+shift", "up left+shift", "double", "up left+shift"}));

    Icon->SetEnabled(false);
    Events.clear();
    for (uint32_t m : {WM_LBUTTONDOWN_MESSAGE, WM_LBUTTONUP_MESSAGE, WM_RBUTTONDOWN_MESSAGE, WM_MOUSEMOVE_MESSAGE})
        Shell.Notify(m);
    Windows.Clock.Advance(1000);
    EXPECT_TRUE(Events.empty());
    EXPECT_EQ(Windows.Popups, 0);
}

TEST_F(TrayIconTest, TheRightButtonPopsTheMenuAndADoubleClickChoosesItsDefault) {
    WireAll();
    auto* menu = new TPopupMenu(Form, Windows);
    auto* open = new TMenuItem(Form);
    open->SetDefault(true);
    open->OnClick = Record("open");
    auto* other = new TMenuItem(Form);
    menu->Items().Add(other);
    menu->Items().Add(open);
    Icon->SetPopupMenu(menu);
    Windows.ChooseFromMenu = [this](TPopupMenu& Shown, int X, int Y) {
        Events.push_back("menu at " + std::to_string(X) + "," + std::to_string(Y));
        EXPECT_EQ(Shown.PopupComponent(), Icon);
        return static_cast<TMenuItem*>(nullptr);
    };
    Shell.Notify(WM_RBUTTONDOWN_MESSAGE);
    Shell.Notify(WM_RBUTTONUP_MESSAGE);
    EXPECT_EQ(Events, (std::vector<std::string>{"down right", "menu at 100,200", "up right"}));
    Icon->OnDblClick = Record("double");
    Events.clear();
    Shell.Notify(WM_LBUTTONDBLCLK_MESSAGE);
    EXPECT_EQ(Events, (std::vector<std::string>{"double", "open"}));
    Windows.CursorReadable = false;  // no cursor, no menu
    Shell.Notify(WM_RBUTTONDOWN_MESSAGE);
    EXPECT_EQ(Windows.Popups, 1);
    delete menu;
    EXPECT_EQ(Icon->PopupMenu(), nullptr);
}

TEST_F(TrayIconTest, EnterComesBeforeTheFirstMoveAndExitOnceWhenTheCursorLeaves) {
    WireAll();
    const int timers = Windows.Clock.Active();
    Icon->SetWantEnterExitEvents(true);
    EXPECT_EQ(Windows.Clock.Active(), timers) << "no poll while the cursor is elsewhere";
    Shell.Notify(WM_MOUSEMOVE_MESSAGE);
    EXPECT_EQ(Windows.Clock.Active(), timers + 1) << "the poll from the cursor's entering";
    Shell.Notify(WM_MOUSEMOVE_MESSAGE);
    Windows.Clock.Advance(100);  // the cursor stays over the icon
    EXPECT_EQ(Events, (std::vector<std::string>{"enter", "move 100,200", "move 100,200"}));
    Events.clear();
    Windows.Cursor = {300, 40};
    Windows.Clock.Advance(20);
    EXPECT_EQ(Events, std::vector<std::string>{"exit"});
    EXPECT_EQ(Windows.Clock.Active(), timers) << "and to its leaving";
    Windows.Clock.Advance(200);
    EXPECT_EQ(Events.size(), 1u) << "one exit until the cursor comes back";
    Shell.Notify(WM_MOUSEMOVE_MESSAGE);
    EXPECT_EQ(Events.back(), "move 300,40");
    EXPECT_EQ(Events[Events.size() - 2], "enter");
}

TEST_F(TrayIconTest, MinimisingHidesTheFormIntoTheTrayAndTheShellsRestartBringsTheIconBack) {
    Form->Show();
    Icon->SetMinimizeToTray(true);
    Icon->OnMinimizeToTray = Record("minimised");
    TMessage minimised{nullptr, WM_SIZE_MESSAGE, SIZE_MINIMIZED_KIND, 0};
    intptr_t result = 0;
    Form->Dispatch(minimised, result);
    EXPECT_FALSE(Form->Visible());
    EXPECT_TRUE(Icon->IconVisible());
    EXPECT_EQ(Events, std::vector<std::string>{"minimised"});

    Shell.Shown.clear();  // the shell started again
    TMessage restarted{nullptr, Shell.TaskbarCreated, 0, 0};
    Form->Dispatch(restarted, result);
    EXPECT_EQ(Shell.Shown.size(), 1u);
    Icon->SetIconVisible(false);
    Form->Dispatch(restarted, result);
    EXPECT_TRUE(Shell.Shown.empty()) << "an icon that was not shown stays away";
}

TEST_F(TrayIconTest, TheIconIndexStaysWithinTheList) {
    TImageList list(nullptr);
    TBitmap picture(16, 16);
    for (TColor c : {clRed, clLime, clAqua}) {
        picture.Canvas().Brush().SetColor(c);
        picture.Canvas().FillRect(Bounds(0, 0, 16, 16));
        list.Add(picture);
    }
    Icon->SetIconList(&list);
    Icon->SetIconIndex(7);
    EXPECT_EQ(Icon->IconIndex(), 2);
    EXPECT_EQ(Icon->Icon().Picture().Canvas().Pixels(3, 3), clAqua);
    Icon->SetIconIndex(-4);
    EXPECT_EQ(Icon->IconIndex(), 0);
    EXPECT_EQ(Icon->Icon().Picture().Canvas().Pixels(3, 3), clRed);
    list.Clear();
    Icon->SetIconIndex(1);
    EXPECT_EQ(Icon->IconIndex(), 0) << "an empty list selects nothing";
    EXPECT_EQ(Icon->Icon().Picture().Canvas().Pixels(3, 3), clRed);
}
