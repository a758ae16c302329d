// The skinned button's answers to the mouse and the keys, step by step: what
// the user does, the state it leaves (hot, pressed, focused, framed) and the
// events raised, in order.
#include <gtest/gtest.h>

#include "controls/SkinButton.h"
#include "core/Messages.h"
#include "ui/StdControls.h"

namespace {

struct TStep {
    std::string Name;
    std::function<void()> Action;
    std::string State;
    std::vector<std::string> Events;
};

class SkinButtonInput : public ::testing::Test {
protected:
    SkinButtonInput() {
        Window.SetBounds(0, 0, 300, 100);
        Page.SetParent(&Window);
        Page.SetBounds(10, 10, 280, 80);
        int x = 0;
        for (auto [button, name] : {std::pair{&Button, "button"}, {&Other, "other"}}) {
            button->SetParent(&Page);
            button->SetBounds(x, 0, 73, 25);
            button->OnClick = Record(std::string(name) + " click");
            button->OnMouseEnter = Record(std::string(name) + " enter");
            button->OnMouseLeave = Record(std::string(name) + " leave");
            x += 80;
        }
        Button.SetCaption("&Quitter");
        Other.SetCaption("&Annuler");
        Box.SetParent(&Page);
    }
    TNotifyEvent Record(const std::string& Name) {
        return TNotifyEvent([this, Name](TObject*) { Events.push_back(Name); });
    }
    static std::string State(const TSkinButton& B) {
        std::string s;
        for (auto [on, word] :
             {std::pair{B.Hot(), "hot"}, {B.Pressed(), "pressed"}, {B.Focused(), "focused"}, {B.Framed(), "framed"}})
            if (on) s += s.empty() ? word : std::string(" ") + word;
        return s.empty() ? "-" : s;
    }
    void Run(const std::vector<TStep>& Steps, const TSkinButton& Watched) {
        for (const TStep& step : Steps) {
            Events.clear();
            step.Action();
            EXPECT_EQ(State(Watched), step.State) << step.Name;
            EXPECT_EQ(Events, step.Events) << step.Name;
        }
    }
    // A key pressed and released on the button; the key codes that reach the
    // system's button afterwards (0: used up).
    std::pair<uint16_t, uint16_t> Key(TSkinButton& B, uint16_t Code, int Shift = 0) {
        uint16_t down = Code, up = Code;
        B.KeyDown(down, Shift);
        B.KeyUp(up, Shift);
        return {down, up};
    }

    TPanel Window{nullptr};
    TPanel Page{nullptr};
    TSkinButton Button{nullptr};
    TSkinButton Other{nullptr};
    TCheckBox Box{nullptr};
    std::vector<std::string> Events;
};

}  // namespace

TEST_F(SkinButtonInput, PressDragOffAndBackThenReleaseInsideOrOutside) {
    Run({
            {"mouse enters", [&] { Button.MouseEnter(); }, "hot framed", {"button enter"}},
            {"left button down", [&] { Button.MouseDown(mbLeft, 0, 10, 10); }, "hot pressed focused", {}},
            {"dragged off: the framed normal look", [&] { Button.MouseLeave(); }, "pressed focused framed", {"button leave"}},
            {"back on", [&] { Button.MouseEnter(); }, "hot pressed focused", {"button enter"}},
            {"released inside", [&] { Button.MouseUp(mbLeft, 0, 10, 10); }, "hot focused framed", {"button click"}},
            {"second click of a double click", [&] {
                 Button.MouseDown(mbLeft, 0, 10, 10);
                 Button.MouseUp(mbLeft, 0, 10, 10);
             }, "hot focused framed", {"button click"}},
            {"pressed, dragged off, released outside", [&] {
                 Button.MouseDown(mbLeft, 0, 10, 10);
                 Button.MouseLeave();
                 Button.MouseUp(mbLeft, 0, 10, 40);
             }, "focused framed", {"button leave"}},
            {"a right click presses nothing", [&] {
                 Button.MouseEnter();
                 Button.MouseDown(mbRight, 0, 10, 10);
                 Button.MouseUp(mbRight, 0, 10, 10);
             }, "hot focused framed", {"button enter"}},
        },
        Button);
}

// The window keeps the mouse while the button is held; at the release the
// skinned control under the cursor gets the mouse-enter behaviour, once.
TEST_F(SkinButtonInput, ReleasedOverAnotherSkinnedControlThatControlBecomesHot) {
    Button.MouseEnter();
    Button.MouseDown(mbLeft, 0, 10, 10);
    Button.MouseLeave();
    Events.clear();
    Button.MouseUp(mbLeft, 0, 80 + 5, 5);  // over Other, 80 pixels to the right
    EXPECT_TRUE(Other.Hot());
    EXPECT_EQ(Events, std::vector<std::string>{"other enter"});
    Other.MouseEnter();  // the window's own word on it comes later
    EXPECT_EQ(Events, std::vector<std::string>{"other enter"});
}

TEST_F(SkinButtonInput, SpaceBarPressesAndAnyKeyUpClicks) {
    std::pair<uint16_t, uint16_t> reached;
    Run({
            {"space, mouse elsewhere: pressed, hot while held; up: not hot", [&] { reached = Key(Button, VK_SPACE_KEY); },
             "focused framed", {"button click"}},
            {"space with Shift does nothing", [&] { Key(Button, VK_SPACE_KEY, ssShift); }, "focused framed", {}},
            {"space held", [&] {
                 uint16_t space = VK_SPACE_KEY;
                 Button.KeyDown(space, 0);
             }, "hot pressed focused", {}},
            {"another key comes up", [&] {
                 uint16_t shift = 0x10;
                 Button.KeyUp(shift, ssShift);
             }, "focused framed", {"button click"}},
            {"with the mouse over, it stays hot", [&] {
                 Button.MouseEnter();
                 Key(Button, VK_SPACE_KEY);
             }, "hot focused framed", {"button enter", "button click"}},
            {"the focus goes while space is held: no click", [&] {
                 uint16_t space = VK_SPACE_KEY;
                 Button.KeyDown(space, 0);
                 Box.SetFocus();
                 Button.KeyUp(space, 0);
             }, "hot framed", {}},
        },
        Button);
    EXPECT_EQ(reached, (std::pair<uint16_t, uint16_t>{0, 0})) << "the system's button never sees the space bar";
}

// A key that comes up while the mouse holds the button does not end the
// press: the release clicks, once.
TEST_F(SkinButtonInput, AKeyUpDuringAMousePressDoesNotClick) {
    Button.MouseEnter();
    Button.MouseDown(mbLeft, 0, 10, 10);
    uint16_t shift = 0x10;
    Button.KeyUp(shift, ssShift);
    EXPECT_TRUE(Button.Pressed());
    Events.clear();
    Button.MouseUp(mbLeft, 0, 10, 10);
    EXPECT_EQ(Events, std::vector<std::string>{"button click"});
}

// Enter clicks the focused button, or the default one while no skinned
// control is active; Esc clicks a cancel button without Shift, Ctrl or Alt.
TEST_F(SkinButtonInput, EnterAndEscapeThroughTheWindow) {
    Other.SetDefault(true);
    Button.SetCancel(true);
    struct TCase {
        const char* Name;
        std::function<void()> Setup;
        uint16_t Key;
        int Shift;
        std::vector<std::string> Clicks;
    };
    const std::vector<TCase> cases = {
        {"Enter, nothing focused: the default", [] {}, VK_RETURN_KEY, 0, {"other click"}},
        {"Enter, a check box focused: the default", [&] { Box.SetFocus(); }, VK_RETURN_KEY, 0, {"other click"}},
        {"Enter, a skinned button focused: that one", [&] { Button.SetFocus(); }, VK_RETURN_KEY, 0, {"button click"}},
        {"Enter, the default disabled", [&] { Other.SetEnabled(false); }, VK_RETURN_KEY, 0, {}},
        {"Esc: the cancel button", [] {}, VK_ESCAPE_KEY, 0, {"button click"}},
        {"Shift+Esc: nothing", [] {}, VK_ESCAPE_KEY, ssShift, {}},
        {"Ctrl+Esc: nothing", [] {}, VK_ESCAPE_KEY, ssCtrl, {}},
        {"Esc, the page hidden", [&] { Page.SetVisible(false); }, VK_ESCAPE_KEY, 0, {}},
    };
    for (const TCase& c : cases) {
        c.Setup();
        Events.clear();
        const bool used = Window.DialogKey(c.Key, c.Shift);
        EXPECT_EQ(Events, c.Clicks) << c.Name;
        EXPECT_EQ(used, !c.Clicks.empty()) << c.Name;
        for (TControl* control : std::initializer_list<TControl*>{&Button, &Other, &Box}) control->FocusFromWindow(false);
        Other.SetEnabled(true);
        Page.SetVisible(true);
    }
}

TEST_F(SkinButtonInput, AcceleratorLetterWithAltOrOnTheFocusedButton) {
    EXPECT_TRUE(Window.DialogChar('q', ssAlt));
    EXPECT_FALSE(Window.DialogChar('q', 0)) << "without Alt, only the focused button";
    EXPECT_TRUE(Window.DialogChar('A', ssAlt));
    EXPECT_FALSE(Window.DialogChar('u', ssAlt)) << "only the marked letter";
    EXPECT_EQ(Events, (std::vector<std::string>{"button click", "other click"}));
    Events.clear();
    Button.SetFocus();
    char typed = 'Q';
    Button.KeyPress(typed);
    EXPECT_EQ(typed, 0) << "used up";
    typed = 'x';
    Button.KeyPress(typed);
    EXPECT_EQ(typed, 'x');
    Other.SetEnabled(false);
    EXPECT_FALSE(Window.DialogChar('a', ssAlt));
    EXPECT_EQ(Events, std::vector<std::string>{"button click"});
    EXPECT_TRUE(IsAccelerator('&', "Tom && &Jerry") == false && IsAccelerator('j', "Tom && &Jerry"));
    EXPECT_TRUE(IsAccelerator('\xE9', "&\xC9t\xE9")) << "accented letters in either case";
}

// A disabled button (which another program's BM_CLICK still reaches as a
// press and a release) does not click.
TEST_F(SkinButtonInput, ADisabledButtonIgnoresPressesAndKeys) {
    Button.SetEnabled(false);
    Button.MouseDown(mbLeft, 0, 10, 10);
    Button.MouseUp(mbLeft, 0, 10, 10);
    Key(Button, VK_SPACE_KEY);
    EXPECT_TRUE(Events.empty());
    EXPECT_FALSE(Button.Pressed());
}
