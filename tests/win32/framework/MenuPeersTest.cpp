// Popup menus and message boxes on the real system: what the user sees in
// them (read from outside, while they are open), and what the user's keys
// choose.
#include "tests/win32/framework/PeerHarness.h"

#include "ui/Canvas.h"
#include "ui/Menus.h"

namespace {
constexpr UINT MN_GETHMENU_MESSAGE = 0x01E1;

// What the open popup menu shows: per item its text, and marks for grey (g),
// checked (x), radio (r), default (d), separator (-).
std::string ShownMenu() {
    HWND shown = FindWindowA("#32768", nullptr);
    auto menu = reinterpret_cast<HMENU>(SendMessageA(shown, MN_GETHMENU_MESSAGE, 0, 0));
    std::string s;
    const UINT byDefault = GetMenuDefaultItem(menu, TRUE, 0);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        s += std::string("[") + text + (info.fState & MFS_GRAYED ? " g" : "") + (info.fState & MFS_CHECKED ? " x" : "") +
             (info.fType & MFT_RADIOCHECK ? " r" : "") + (byDefault == static_cast<UINT>(i) ? " d" : "") +
             (info.fType & MFT_SEPARATOR ? " -" : "") + "]";
    }
    return s;
}

void PressInMenu(std::initializer_list<WPARAM> Keys) {
    HWND shown = FindWindowA("#32768", nullptr);
    for (WPARAM key : Keys) PostMessageA(shown, WM_KEYDOWN, key, 0);
}
}  // namespace

TEST_F(PeerHarness, PopupMenuShowsItsItemsAndTheUsersChoiceIsClicked) {
    auto* menu = new TPopupMenu(Form, Windows);
    auto item = [&](const char* Caption, const char* Event) {
        auto* i = new TMenuItem(Form);
        i->SetCaption(Caption);
        i->OnClick = Record(Event);
        menu->Items().Add(i);
        return i;
    };
    item("a&Grandir", "grow")->SetDefault(true);
    item("&Optimiser RAM", "recover");
    item("&Annuler", "cancel")->SetEnabled(false);
    item("-", "line");
    item("&Quitter", "quit")->SetShortCutText("Ctrl+Q");
    TMenuItem* rate = item("Normale", "normal");
    rate->SetRadioItem(true);
    rate->SetChecked(true);
    item("Hidden", "hidden")->SetVisible(false);
    TMenuItem* rates = item("Rafraîchissement", "rates");
    auto* fast = new TMenuItem(Form);
    fast->SetCaption("Haute");
    fast->OnClick = Record("fast");
    rates->Add(fast);
    Form->Show();

    std::string seen;
    const std::string shown = "[a&Grandir d][&Optimiser RAM][&Annuler g][ -][&Quitter\tCtrl+Q][Normale x r][Rafraîchissement]";
    Run({
            {"first item by keys", [&] {
                 WhileModal([&] { seen = ShownMenu(); PressInMenu({VK_DOWN, VK_RETURN}); });
                 menu->Popup(100, 100);
             }, shown, {"grow"}},
            {"dismissed", [&] {
                 WhileModal([&] { PressInMenu({VK_ESCAPE}); });
                 menu->Popup(100, 100);
             }, shown, {}},
            {"an item of the sub-menu", [&] {
                 WhileModal([&] { PressInMenu({VK_UP, VK_RIGHT, VK_RETURN}); });
                 menu->Popup(100, 100);
             }, shown, {"fast"}},
        },
        [&] { return seen; });
}

TEST_F(PeerHarness, OwnerDrawnItemsAreMeasuredAndDrawnByTheirHandlersAndKeepTheirText) {
    auto* menu = new TPopupMenu(Form, Windows);
    menu->SetOwnerDraw(true);
    std::vector<std::string> drawn;
    for (const char* caption : {"Basse", "Haute"}) {
        auto* i = new TMenuItem(Form);
        i->SetCaption(caption);
        i->OnMeasureItem = TMenuMeasureEvent([](TObject*, TCanvas&, int& Width, int& Height) {
            Width = 120;
            Height = 20;
        });
        i->OnDrawItem = TMenuDrawEvent([&drawn, caption](TObject*, TCanvas& Canvas, const TRect& Rect, bool Selected) {
            Canvas.Brush().SetColor(Selected ? clAqua : clWhite);
            Canvas.FillRect(Rect);
            drawn.push_back(std::string(caption) + (Selected ? " selected " : " ") + std::to_string(Rect.Height()));
        });
        menu->Items().Add(i);
    }
    Form->Show();
    std::string seen;
    RECT first{};
    WhileModal([&] {
        seen = ShownMenu();
        HWND shown = FindWindowA("#32768", nullptr);
        GetMenuItemRect(nullptr, reinterpret_cast<HMENU>(SendMessageA(shown, MN_GETHMENU_MESSAGE, 0, 0)), 0, &first);
        PressInMenu({VK_DOWN});
        WhileModal([] { PressInMenu({VK_ESCAPE}); });
    });
    menu->Popup(100, 100);
    EXPECT_EQ(seen, "[Basse][Haute]") << "the texts stay readable from outside";
    EXPECT_EQ(first.bottom - first.top, 20);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "Basse 20"), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "Basse selected 20"), drawn.end());
}

TEST_F(PeerHarness, MessageBoxGoesThroughTheWindowSystemWithItsTextAndCaption) {
    Form->Show();
    std::string text, caption;
    WhileModal([&] {
        HWND box = FindWindowA("#32770", "Look");
        char buffer[256] = {};
        GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);  // the box's text
        text = buffer;
        GetWindowTextA(box, buffer, sizeof buffer);
        caption = buffer;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    const int answer = Windows.MessageBox(Form->Handle(), "Vous devez redémarrer votre système", "Look", MB_OK_BUTTON);
    EXPECT_EQ(answer, IDOK_ANSWER);
    EXPECT_EQ(text, "Vous devez redémarrer votre système");
    EXPECT_EQ(caption, "Look");
}
