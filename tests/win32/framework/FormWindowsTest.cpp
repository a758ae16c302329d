// Forms of every border style on real windows: the client area they ask
// for, whether the user can size them, their smallest size, and the model
// following the user's moves and sizes; the focus, the mouse capture and the
// context menu of their controls.
#include "tests/win32/framework/PeerHarness.h"

#include "ui/Menus.h"
#include "ui/StdControls.h"

namespace {
class TStyledForm : public TForm {
public:
    TStyledForm(TComponent* AOwner, TApplication& App, TBorderStyle Style) : TForm(AOwner, App) {
        SetBorderStyle(Style);
        SetBounds(120, 90, 0, 0);
        SetClientSize(470, 310);
        SetCaption("Torvane XP News");
    }
    const char* ClassName() const override { return "TStyledForm"; }
};

TRect ClientOf(void* Wnd) {
    RECT r;
    GetClientRect(static_cast<HWND>(Wnd), &r);
    return {r.left, r.top, r.right, r.bottom};
}

TRect WindowOf(void* Wnd) {
    RECT r;
    GetWindowRect(static_cast<HWND>(Wnd), &r);
    return {r.left, r.top, r.right, r.bottom};
}
}  // namespace

TEST_F(PeerHarness, EveryBorderStyleGetsTheClientAreaItAsksForAndSizesAsItSays) {
    struct TCase {
        TBorderStyle Style;
        bool Sizeable, Caption, Tool;
    };
    for (TCase c : {TCase{bsNone, false, false, false}, {bsSingle, false, true, false}, {bsSizeable, true, true, false},
                    {bsToolWindow, false, true, true}, {bsSizeToolWin, true, true, true}}) {
        auto* form = App.CreateForm<TStyledForm>(c.Style);
        form->Show();
        void* wnd = form->Handle();
        const LONG style = GetWindowLongA(static_cast<HWND>(wnd), GWL_STYLE);
        const LONG ex = GetWindowLongA(static_cast<HWND>(wnd), GWL_EXSTYLE);
        EXPECT_EQ(ClientOf(wnd), Bounds(0, 0, 470, 310)) << c.Style;
        EXPECT_EQ((style & WS_THICKFRAME) != 0, c.Sizeable) << c.Style;
        EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, c.Caption) << c.Style;
        EXPECT_EQ((ex & WS_EX_TOOLWINDOW) != 0, c.Tool) << c.Style;
        EXPECT_EQ(form->BoundsRect(), WindowOf(wnd)) << c.Style;
        delete form;
    }
}

TEST_F(PeerHarness, ASizeableToolWindowFollowsTheUserAndKeepsItsSmallestSize) {
    auto* form = App.CreateForm<TStyledForm>(bsSizeToolWin);
    auto* strip = new TPanel(form);
    strip->SetParent(form);
    strip->SetBounds(0, 0, 10, 21);
    strip->SetAlign(alTop);
    auto* status = new TStatusBar(form);
    status->SetParent(form);
    form->OnResize = Record("resize");
    form->Show();
    HWND wnd = static_cast<HWND>(form->Handle());
    const TRect first = WindowOf(wnd);
    form->SetMinSize(first.Width(), first.Height());  // the outer size, as a user sees it
    auto state = [&] {
        const TRect w = WindowOf(wnd), m = form->BoundsRect();
        return std::to_string(w.Width()) + "x" + std::to_string(w.Height()) + (w == m ? " =" : " model differs") +
               " client " + std::to_string(form->ClientWidth()) + "x" + std::to_string(form->ClientHeight()) +
               " status at " + std::to_string(status->Top()) + " strip " + std::to_string(strip->Width());
    };
    const std::string size = std::to_string(first.Width()) + "x" + std::to_string(first.Height());
    const std::string wider = std::to_string(first.Width() + 100) + "x" + std::to_string(first.Height() + 50);
    Run({
            {"start", [] {}, size + " = client 470x310 status at 291 strip 470", {}},
            {"the user moves it", [&] { SetWindowPos(wnd, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
             size + " = client 470x310 status at 291 strip 470", {}},
            {"the user makes it larger", [&] {
                 SetWindowPos(wnd, nullptr, 0, 0, first.Width() + 100, first.Height() + 50, SWP_NOMOVE | SWP_NOZORDER);
             }, wider + " = client 570x360 status at 341 strip 570", {"resize"}},
            {"and tries smaller than the least", [&] {
                 SetWindowPos(wnd, nullptr, 0, 0, 100, 80, SWP_NOMOVE | SWP_NOZORDER);
             }, size + " = client 470x310 status at 291 strip 470", {"resize"}},
            {"the program puts it back where it was moved from", [&] {
                 form->SetBounds(first.Left, first.Top, first.Width(), first.Height());
             }, size + " = client 470x310 status at 291 strip 470", {}},
        },
        state);
    EXPECT_EQ(WindowOf(wnd), first) << "a stale model would have swallowed the move back";
    delete form;
}

TEST_F(PeerHarness, FocusCaptureAndContextMenuFollowTheWindows) {
    auto* first = new TButton(Form);
    auto* second = new TButton(Form);
    first->SetParent(Form);
    second->SetParent(Form);
    first->SetBounds(8, 8, 80, 25);
    second->SetBounds(8, 40, 80, 25);
    first->OnEnter = Record("enter first");
    first->OnExit = Record("exit first");
    second->OnEnter = Record("enter second");
    auto* menu = new TPopupMenu(Form, Windows);
    auto* open = new TMenuItem(Form);
    open->SetCaption("a&Grandir");
    menu->Items().Add(open);
    Form->SetPopupMenu(menu);
    Form->Show();
    auto state = [&] {
        const HWND focus = GetFocus();
        return std::string(focus == first->Handle() ? "first" : focus == second->Handle() ? "second" : "other") +
               (first->Focused() ? " first" : "") + (second->Focused() ? " second" : "") +
               (first->MouseCapture() ? " captured" : "") + (GetCapture() == first->Handle() ? " (window)" : "");
    };
    Run({
            {"program focuses", [&] { first->SetFocus(); }, "first first", {"enter first"}},
            {"the user tabs on", [&] { SetFocus(static_cast<HWND>(second->Handle())); }, "second second",
             {"exit first", "enter second"}},
            {"capture", [&] { first->SetMouseCapture(true); }, "second second captured (window)", {}},
            {"another window takes it", [&] { SetCapture(static_cast<HWND>(second->Handle())); }, "second second", {}},
        },
        state);
    ReleaseCapture();

    std::string seen;
    WhileModal([&] {
        HWND shown = FindWindowA("#32768", nullptr);
        auto items = reinterpret_cast<HMENU>(SendMessageA(shown, 0x01E1 /* MN_GETHMENU */, 0, 0));
        char text[64] = {};
        GetMenuStringA(items, 0, text, sizeof text, MF_BYPOSITION);
        seen = text;
        PostMessageA(shown, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    RECT r;
    GetWindowRect(static_cast<HWND>(second->Handle()), &r);
    Send(second->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(second->Handle()), MAKELPARAM(r.left + 4, r.top + 4));
    EXPECT_EQ(seen, "a&Grandir") << "the form's menu, for a control without one";
    EXPECT_EQ(menu->PopupComponent(), second);
}
