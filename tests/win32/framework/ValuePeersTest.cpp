// Track bars, edit boxes and status bars on real windows, driven as a user
// would: the window shows the control's state, and what the user does there
// comes back to the control with its event.
#include "tests/win32/framework/PeerHarness.h"

#include "ui/Edit.h"
#include "ui/StdControls.h"
#include "ui/TrackBar.h"

namespace {
LRESULT Ask(void* Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
    return SendMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
}
}  // namespace

TEST_F(PeerHarness, TrackBarFollowsKeysAndProgramOverA32BitRange) {
    auto* bar = new TTrackBar(Form);
    bar->SetParent(Form);
    bar->SetBounds(8, 8, 200, 30);
    bar->SetRange(0, 512);
    bar->SetFrequency(8);
    bar->SetPosition(256);
    bar->OnChange = Record("change");
    Form->Show();
    void* wnd = bar->Handle();
    // Window range and position, then the model's position.
    auto state = [&] {
        return std::to_string(Ask(wnd, TBM_GETRANGEMIN)) + ".." + std::to_string(Ask(wnd, TBM_GETRANGEMAX)) + " @" +
               std::to_string(Ask(wnd, TBM_GETPOS)) + " sel-" + std::to_string(Ask(wnd, TBM_GETSELEND)) + " model @" +
               std::to_string(bar->Position()) + Sent(wnd);
    };
    Run({
            {"start", [] {}, "0..512 @256 sel-0 model @256", {}},
            {"right arrow", [&] { Key(wnd, VK_RIGHT); }, "0..512 @257 sel-0 model @257", {"change"}},
            {"home", [&] { Key(wnd, VK_HOME); }, "0..512 @0 sel-0 model @0", {"change"}},
            {"program", [&] { bar->SetPosition(200); }, "0..512 @200 sel-0 model @200 TBM_SETPOS", {"change"}},
            {"selection to the thumb", [&] { bar->SetSelEnd(200); }, "0..512 @200 sel-200 model @200", {}},
            {"range of 2^31 - 1", [&] { bar->SetMax(2147483647); bar->SetPosition(2000000000); },
             "0..2147483647 @2000000000 sel-200 model @2000000000 TBM_SETPOS", {"change"}},
            {"end key at that range", [&] { Key(wnd, VK_END); }, "0..2147483647 @2147483647 sel-200 model @2147483647",
             {"change"}},
        },
        state);
}

TEST_F(PeerHarness, EditTakesTheUsersTypingAndShowsTheProgramsText) {
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(8, 8, 80, 21);
    edit->SetText("35");
    // A handler that holds the text to three characters, as a clamp would.
    edit->OnChange = TNotifyEvent([this, edit](TObject*) {
        Events.push_back("change " + edit->Text());
        if (edit->Text().size() > 3) edit->SetText(edit->Text().substr(0, 3));
    });
    Form->Show();
    void* wnd = edit->Handle();
    EXPECT_EQ(ClassOf(wnd), "Edit");
    auto state = [&] { return TextOf(wnd) + "|" + edit->Text() + Sent(wnd); };
    Run({
            {"start", [] {}, "35|35", {}},
            {"user types over the whole text", [&] { Send(wnd, EM_SETSEL, 0, -1); Type(wnd, "42"); }, "42|42",
             {"change 4", "change 42"}},
            {"user types at the end", [&] { Send(wnd, EM_SETSEL, 2, 2); Type(wnd, "0"); }, "420|420", {"change 420"}},
            {"backspace", [&] { Type(wnd, "\b"); }, "42|42", {"change 42"}},
            {"home, then delete", [&] { Key(wnd, VK_HOME); Key(wnd, VK_DELETE); Type(wnd, "1"); }, "12|12",
             {"change 2", "change 12"}},
            {"end, then two more", [&] { Key(wnd, VK_END); Type(wnd, "34"); }, "123|123 WM_SETTEXT",
             {"change 123", "change 1234", "change 123"}},
            {"program", [&] { edit->SetText("100"); }, "100|100 WM_SETTEXT", {"change 100"}},
            {"program, same text", [&] { edit->SetText("100"); }, "100|100", {}},
            {"read-only refuses typing", [&] { edit->SetReadOnly(true); Type(wnd, "7"); }, "100|100", {}},
        },
        state);
    EXPECT_NE(GetWindowLongA(static_cast<HWND>(wnd), GWL_STYLE) & ES_READONLY, 0);
}

TEST_F(PeerHarness, StatusBarShowsItsSimpleTextAtTheBottomOfItsParent) {
    auto* status = new TStatusBar(Form);
    status->SetParent(Form);
    status->SetSimpleText("Connecting to: http://example.invalid/NewsFeed.inf");
    Form->Show();
    void* wnd = status->Handle();
    EXPECT_EQ(ClassOf(wnd), STATUSCLASSNAMEA);
    char text[128] = {};
    Ask(wnd, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Connecting to: http://example.invalid/NewsFeed.inf");
    status->SetSimpleText("");
    Ask(wnd, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "");
    RECT r;
    GetWindowRect(static_cast<HWND>(wnd), &r);
    MapWindowPoints(nullptr, static_cast<HWND>(Form->Handle()), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.bottom, 300);
    EXPECT_EQ(r.right - r.left, 400);
}
