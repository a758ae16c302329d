// Page controls, push buttons and labels on real windows, driven as a user
// would: tabs clicked, buttons clicked and pressed by keys, texts read.
#include "tests/win32/framework/PeerHarness.h"

#include "ui/PageControl.h"
#include "ui/StdControls.h"

TEST_F(PeerHarness, PageControlFollowsTheTabsTheUserClicks) {
    auto* pages = new TPageControl(Form);
    pages->SetParent(Form);
    pages->SetBounds(0, 25, 360, 250);
    TTabSheet* sheets[3];
    const char* captions[] = {"Système", "Paramètres", "Informations"};
    for (int i = 0; i < 3; ++i) {
        sheets[i] = new TTabSheet(Form, pages);
        sheets[i]->SetCaption(captions[i]);
    }
    pages->OnChange = Record("change");
    Form->Show();
    HWND tabs = static_cast<HWND>(pages->Handle());
    auto clickTab = [&](int Index) {
        RECT r;
        TabCtrl_GetItemRect(tabs, Index, &r);
        Click(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    auto state = [&] {
        std::string s = std::to_string(TabCtrl_GetCurSel(tabs)) + " model " + std::to_string(pages->ActivePageIndex());
        for (TTabSheet* sheet : sheets) s += IsWindowVisible(static_cast<HWND>(sheet->Handle())) ? " shown" : " -";
        char text[32] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
        return s + " [" + text + "]" + Sent(tabs);
    };
    Run({
            {"start", [] {}, "0 model 0 shown - - [Paramètres]", {}},
            {"user clicks the third tab", [&] { clickTab(2); }, "2 model 2 - - shown [Paramètres]", {"change"}},
            {"user clicks it again", [&] { clickTab(2); }, "2 model 2 - - shown [Paramètres]", {}},
            {"user moves a tab left with the keys", [&] { Key(tabs, VK_LEFT); }, "1 model 1 - shown - [Paramètres]",
             {"change"}},
            {"program selects the first", [&] { pages->SetActivePageIndex(0); }, "0 model 0 shown - - [Paramètres] TCM_SETCURSEL",
             {"change"}},
            {"a caption changes: the tabs are written again", [&] { sheets[1]->SetCaption("Réglages"); },
             "0 model 0 shown - - [Réglages] TCM_SETCURSEL", {}},
        },
        state);
}

TEST_F(PeerHarness, ButtonClicksByMouseKeysAndTheSystemButNotWhileDisabled) {
    auto* button = new TButton(Form);
    button->SetParent(Form);
    button->SetBounds(8, 8, 120, 25);
    button->SetCaption("&Quitter Torvane XP");
    button->OnClick = Record("click");
    auto* label = new TLabel(Form);
    label->SetParent(Form);
    label->SetBounds(8, 40, 120, 13);
    label->SetCaption("RAM libre:");
    Form->Show();
    void* wnd = button->Handle();
    auto state = [&] {
        return TextOf(wnd) + (IsWindowEnabled(static_cast<HWND>(wnd)) ? "" : " (disabled)") + " | " + TextOf(label->Handle());
    };
    Run({
            {"mouse", [&] { Click(wnd, 10, 10); }, "&Quitter Torvane XP | RAM libre:", {"click"}},
            {"space bar", [&] { Key(wnd, VK_SPACE); }, "&Quitter Torvane XP | RAM libre:", {"click"}},
            {"BM_CLICK", [&] { Send(wnd, BM_CLICK); }, "&Quitter Torvane XP | RAM libre:", {"click"}},
            {"disabled", [&] { button->SetEnabled(false); Send(wnd, BM_CLICK); }, "&Quitter Torvane XP (disabled) | RAM libre:", {}},
            {"texts change", [&] { button->SetCaption("&Annuler"); label->SetCaption("118 MB"); }, "&Annuler (disabled) | 118 MB", {}},
        },
        state);
}

// The mouse leaves a control whose window goes from under it: the control
// hears so, and the system no longer watches for the leaving (which it
// would do five times a second for as long as the mouse stayed there).
TEST_F(PeerHarness, AControlWhoseWindowGoesFromUnderTheMouseIsLeft) {
    auto* button = new TButton(Form);
    button->SetParent(Form);
    button->SetBounds(8, 8, 120, 25);
    button->OnMouseEnter = Record("enter");
    button->OnMouseLeave = Record("leave");
    Form->Show();
    HWND wnd = static_cast<HWND>(button->Handle());
    auto watched = [] {
        TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
        TrackMouseEvent(&query);
        return (query.dwFlags & TME_LEAVE) ? query.hwndTrack : nullptr;
    };
    POINT over{5, 5}, before;
    ClientToScreen(wnd, &over);
    GetCursorPos(&before);
    Run({
            {"the mouse comes over it", [&] { SetCursorPos(over.x, over.y); Send(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); },
             "watched", {"enter"}},
            {"the window goes to the tray", [&] { Form->Hide(); }, "", {"leave"}},
        },
        [&] { return watched() == wnd ? std::string("watched") : std::string(); });
    SetCursorPos(before.x, before.y);  // the next tests' menus pop up where it was
}
