// Skinned buttons on real windows: a BUTTON that the program draws, whose
// caption reads from outside and that BM_CLICK clicks; the picture that GDI
// shows in each state is the software raster's, pixel for pixel; the mouse
// and keys reach it through the window; and no GDI object is left behind.
#include "tests/win32/framework/PeerHarness.h"

#include "controls/SkinButton.h"
#include "controls/SkinGlyphs.h"
#include "platform/win32/GdiTextRenderer.h"
#include "tests/fakes/FileResources.h"
#include "tests/win32/controls/ScreenPixels.h"
#include "tests/win32/framework/ObjectCounts.h"
#include "ui/Jpeg.h"
#include "ui/StdControls.h"

namespace {

class SkinButtonWin32 : public PeerHarness {
protected:
    void SetUp() override {
        PeerHarness::SetUp();
        PrepareDrawing();
        Button = Add("&Quitter Torvane XP", Bounds(10, 10, 132, 25));
        Other = Add("&Annuler", Bounds(150, 10, 100, 41));
        TBitmap strip;
        LoadJpeg(strip, TFileResources().Load("SKINGLYPHS"));
        CutGlyph(strip, sgQuit, Button->Glyph());
        CutGlyph(strip, sgCancel, Other->Glyph());
        Button->OnClick = Record("click");
        Other->OnClick = Record("other");
        Box = new TCheckBox(Form);
        Box->SetParent(Form);
        Box->SetBounds(10, 60, 100, 17);
        Form->Show();
        // The real cursor over the button, so that the system sees no leave.
        POINT p{15, 15};
        ClientToScreen(Wnd(Button), &p);
        SetCursorPos(p.x, p.y);
    }
    TSkinButton* Add(const char* Caption, const TRect& Bounds) {
        auto* button = new TSkinButton(Form);
        button->SetParent(Form);
        button->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
        button->SetCaption(Caption);
        button->SetQuality(bqHigh);
        return button;
    }
    static HWND Wnd(const TControl* Control) { return static_cast<HWND>(Control->Handle()); }
    // Painted by the window now, read back, against the raster's painting.
    static std::string ShownAgainstRaster(TSkinButton* Button) {
        RedrawWindow(Wnd(Button), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        TBitmap shown, drawn(Button->Width(), Button->Height());
        CaptureClient(Wnd(Button), Bounds(0, 0, Button->Width(), Button->Height()), shown);
        Button->Paint(drawn.Canvas());
        return Differences(shown, drawn);
    }
    std::string State() const {
        std::string s;
        for (auto [on, word] : {std::pair{Button->Hot(), "hot"}, {Button->Pressed(), "pressed"},
                                {Button->Focused(), "focused"}, {GetCapture() == Wnd(Button), "captured"}})
            if (on) s += s.empty() ? word : std::string(" ") + word;
        return s.empty() ? "-" : s;
    }

    TSkinButton* Button = nullptr;
    TSkinButton* Other = nullptr;
    TCheckBox* Box = nullptr;
};

}  // namespace

TEST_F(SkinButtonWin32, IsARealButtonWhoseCaptionReadsThatBmClickClicksAndEnableWindowDisables) {
    HWND wnd = Wnd(Button);
    EXPECT_EQ(ClassOf(wnd), "Button");
    EXPECT_EQ(GetWindowLongA(wnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_NE(GetWindowLongA(wnd, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(TextOf(wnd), "&Quitter Torvane XP");
    char text[64] = {};
    SendMessageA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "&Quitter Torvane XP");
    Button->SetCaption("&Fermer");
    EXPECT_EQ(TextOf(wnd), "&Fermer");

    PostMessageA(wnd, BM_CLICK, 0, 0);
    Send(wnd, WM_NULL);
    EXPECT_EQ(Events, std::vector<std::string>{"click"});
    Button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(wnd));
    PostMessageA(wnd, BM_CLICK, 0, 0);
    Send(wnd, WM_NULL);
    EXPECT_EQ(Events, std::vector<std::string>{"click"}) << "a disabled button does not click";
    Button->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(wnd));
}

TEST_F(SkinButtonWin32, EachStatePaintedByGdiIsTheRastersPicture) {
    struct TCase {
        const char* Name;
        std::function<void()> Setup;
    };
    const std::vector<TCase> cases = {
        {"normal", [] {}},
        {"hot", [&] { Button->MouseEnter(); }},
        {"focused", [&] { Button->SetFocus(); }},
        {"pressed", [&] { Button->MouseEnter(), Button->MouseDown(mbLeft, 0, 5, 5); }},
        {"pressed, dragged off", [&] { Button->MouseDown(mbLeft, 0, 5, 5), Button->MouseLeave(); }},
        {"default, a check box focused", [&] { Button->SetDefault(true), Box->SetFocus(); }},
        {"disabled, grey glyph and embossed caption", [&] { Button->SetEnabled(false); }},
        {"hot tracking", [&] { Button->SetHotTrack(true), Button->MouseEnter(); }},
        {"glyph on top", [&] { Button->SetLayout(blGlyphTop), Button->SetBounds(10, 10, 132, 48); }},
        {"low quality", [&] { Button->SetQuality(bqLow); }},
    };
    for (const TCase& c : cases) {
        c.Setup();
        EXPECT_EQ(ShownAgainstRaster(Button), "") << c.Name;
        Button->MouseLeave();
        Button->MouseUp(mbLeft, 0, 5, 500);
        Box->SetFocus();
        Button->SetDefault(false), Button->SetEnabled(true), Button->SetHotTrack(false), Button->SetLayout(blGlyphLeft);
        Button->SetBounds(10, 10, 132, 25), Button->SetQuality(bqHigh);
    }
    EXPECT_EQ(ShownAgainstRaster(Other), "") << "41 pixels high: bands of no rows";
}

TEST_F(SkinButtonWin32, MouseAndSpaceBarReachTheButtonThroughItsWindow) {
    HWND b = Wnd(Button);
    auto at = [](int X, int Y) { return MAKELPARAM(X, Y); };
    Run({
            {"mouse over", [&] { Send(b, WM_MOUSEMOVE, 0, at(5, 5)); }, "hot", {}},
            {"pressed: the button holds the mouse", [&] { Send(b, WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5)); },
             "hot pressed focused captured", {}},
            {"dragged off", [&] { Send(b, WM_MOUSEMOVE, MK_LBUTTON, at(5, 200)); }, "pressed focused captured", {}},
            {"back on", [&] { Send(b, WM_MOUSEMOVE, MK_LBUTTON, at(6, 6)); }, "hot pressed focused captured", {}},
            {"released outside: no click", [&] {
                 Send(b, WM_MOUSEMOVE, MK_LBUTTON, at(5, 200));
                 Send(b, WM_LBUTTONUP, 0, at(5, 200));
             }, "focused", {}},
            {"a click", [&] {
                 Send(b, WM_MOUSEMOVE, 0, at(5, 5));
                 Send(b, WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
                 Send(b, WM_LBUTTONUP, 0, at(5, 5));
             }, "hot focused", {"click"}},
            {"a double click is two clicks", [&] {
                 Send(b, WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
                 Send(b, WM_LBUTTONUP, 0, at(5, 5));
                 Send(b, WM_LBUTTONDBLCLK, MK_LBUTTON, at(5, 5));
                 Send(b, WM_LBUTTONUP, 0, at(5, 5));
             }, "hot focused", {"click", "click"}},
            {"the space bar clicks once", [&] { Key(b, VK_SPACE); }, "hot focused", {"click"}},
        },
        [&] { return State(); });
}

TEST_F(SkinButtonWin32, EnterEscapeAndAltLettersReachTheButtonsFromAnotherControl) {
    Other->SetDefault(true);
    Button->SetCancel(true);
    Box->SetFocus();
    HWND box = Wnd(Box);
    const LPARAM alt = 1 << 29 | 1;
    Run({
            {"Enter: the default button", [&] { Send(box, WM_KEYDOWN, VK_RETURN, 1); }, "", {"other"}},
            {"Esc: the cancel button", [&] { Send(box, WM_KEYDOWN, VK_ESCAPE, 1); }, "", {"click"}},
            {"Alt+Q", [&] { Send(box, WM_SYSCHAR, 'q', alt); }, "", {"click"}},
            {"Alt+A", [&] { Send(box, WM_SYSCHAR, 'A', alt); }, "", {"other"}},
            {"Alt+Z: nobody's", [&] { Send(box, WM_SYSCHAR, 'z', alt); }, "", {}},
            {"Q without Alt on the focused button", [&] {
                 Button->SetFocus();
                 Send(Wnd(Button), WM_CHAR, 'Q', 1);
             }, "", {"click"}},
        },
        [] { return std::string(); });
}

TEST_F(SkinButtonWin32, GdiObjectsStayFlatOverAThousandRepaints) {
    auto repaint = [&](int i) {
        if (i % 2) Button->MouseEnter();
        else Button->MouseLeave();
        Button->SetEnabled(i % 3 != 0);
        RedrawWindow(Wnd(Button), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    for (int i = 0; i < 5; ++i) repaint(i);
    const int free = FreeGdiHandles();
    for (int i = 0; i < 1000; ++i) repaint(i);
    EXPECT_EQ(FreeGdiHandles(), free);
}
