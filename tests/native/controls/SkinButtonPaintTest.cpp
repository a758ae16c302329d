// What a skinned button paints in each state: which gradient shows where, the
// border's corner marks, the focus rectangle, the glyph's place in the four
// layouts, the grey glyph and the embossed caption of a disabled button.
// Each gradient is given one colour, so that a pixel tells which one it is.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "controls/SkinButton.h"
#include "tests/fakes/RecordingCanvas.h"
#include "ui/StdControls.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

constexpr TColor Back = 0x00FF00, Normal = 0x102030, Clicked = 0x405060, Focus = 0x708090, Hot = 0xA0B0C0;

class SkinButtonPaint : public ::testing::Test {
protected:
    SkinButtonPaint() {
        Parent.SetColor(Back);
        Parent.SetBounds(0, 0, 200, 100);
        for (TSkinButton* b : {&Button, &Other}) {
            b->SetParent(&Parent);
            TSkinColors& c = b->Colors();
            c.SetBackgroundFrom(Normal), c.SetBackgroundTo(Normal);
            c.SetClickedFrom(Clicked), c.SetClickedTo(Clicked);
            c.SetFocusedFrom(Focus), c.SetFocusedTo(Focus);
            c.SetHighlightFrom(Hot), c.SetHighlightTo(Hot);
        }
        Other.SetBounds(100, 0, 73, 25);
        Button.SetCaption("&Quitter");  // 7 cells of 5 x 11 pixels with the stand-in font
    }
    // The button painted on a raster of its size.
    TBitmap& Painted() {
        Picture.SetSize(Button.Width(), Button.Height());
        Button.Paint(Picture.Canvas());
        return Picture;
    }
    TColor At(int X, int Y) { return Painted().Canvas().Pixels(X, Y); }
    std::vector<std::string> Calls() {
        TRecordingCanvas canvas(Button.Width(), Button.Height());
        Button.Paint(canvas);
        return canvas.Calls;
    }
    // Aqua (transparent) with a black, a red and a white pixel at (5..7, 5).
    static void Glyph16(TBitmap& glyph) {
        glyph.SetSize(16, 16);
        glyph.Canvas().Brush().SetColor(clAqua);
        glyph.Canvas().FillRect(Bounds(0, 0, 16, 16));
        glyph.Canvas().SetPixels(5, 5, clBlack);
        glyph.Canvas().SetPixels(6, 5, clRed);
        glyph.Canvas().SetPixels(7, 5, clWhite);
        glyph.SetTransparentColor(clAqua);
    }

    TPanel Parent{nullptr};
    TSkinButton Button{nullptr};
    TSkinButton Other{nullptr};
    TCheckBox Box{nullptr};
    TBitmap Picture;
};

}  // namespace

// The framed test: pressed, framed when the mouse has left; otherwise when
// hot or focused; and a default button that can take the focus while no
// skinned control is active. A frame is a 2-pixel band of its gradient (hot
// or focus) between the border and the normal gradient, at (1..2, 12) and
// (70, 12); the pressed gradient fills the whole inside.
TEST_F(SkinButtonPaint, FramedTestAndTheGradientsOfEachState) {
    Box.SetParent(&Parent);
    struct TCase {
        const char* Name;
        std::function<void()> Setup;
        bool Framed;
        TColor Edge, Inside;
    };
    const std::vector<TCase> cases = {
        {"normal", [] {}, false, Normal, Normal},
        {"hot", [&] { Button.MouseEnter(); }, true, Hot, Normal},
        {"focused", [&] { Button.SetFocus(); }, true, Focus, Normal},
        {"pressed", [&] { Button.MouseEnter(), Button.MouseDown(mbLeft, 0, 5, 5); }, false, Clicked, Clicked},
        {"pressed, dragged off", [&] { Button.MouseDown(mbLeft, 0, 5, 5); }, true, Focus, Normal},
        {"default, nothing active", [&] { Button.SetDefault(true); }, true, Focus, Normal},
        {"default, a check box active", [&] { Button.SetDefault(true), Box.SetFocus(); }, true, Focus, Normal},
        {"default, another skinned active", [&] { Button.SetDefault(true), Other.SetFocus(); }, false, Normal, Normal},
        {"default, disabled", [&] { Button.SetDefault(true), Button.SetEnabled(false); }, false, Normal, Normal},
        {"default, hidden parent", [&] { Button.SetDefault(true), Parent.SetVisible(false); }, false, Normal, Normal},
    };
    for (const TCase& c : cases) {
        TPanel top(nullptr);
        Parent.SetParent(&top);  // a window of its own for each case
        c.Setup();
        EXPECT_EQ(Button.Framed(), c.Framed) << c.Name;
        for (TPoint p : {TPoint{1, 12}, {2, 12}, {70, 12}}) EXPECT_EQ(At(p.X, p.Y), c.Edge) << c.Name << " " << p.X;
        EXPECT_EQ(At(3, 12), c.Inside) << c.Name;
        Button.MouseLeave();
        Button.MouseUp(mbLeft, 0, 500, 500);
        for (TControl* f : std::initializer_list<TControl*>{&Button, &Other, &Box}) f->FocusFromWindow(false);
        Button.SetDefault(false), Button.SetEnabled(true), Parent.SetVisible(true);
        Parent.SetParent(nullptr);
    }
}

TEST_F(SkinButtonPaint, NormalButtonShowsItsGradientInsideTheRoundedBorderWithSilverCornerMarks) {
    const int w = 73, h = 25;
    EXPECT_EQ(At(0, 0), Back) << "outside the rounded corner: the parent's colour";
    EXPECT_EQ(At(1, 1), Normal);
    EXPECT_EQ(At(w - 2, h - 2), Normal);
    EXPECT_EQ(At(w / 2, 0), 0x808080u) << "the border";
    EXPECT_EQ(At(0, h / 2), 0x808080u);
    for (TPoint p : {TPoint{0, 1}, {w - 2, 0}, {w - 1, 1}, {0, h - 2}, {1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}})
        EXPECT_EQ(At(p.X, p.Y), clSilver) << p.X << "," << p.Y;
}

TEST_F(SkinButtonPaint, FocusedButtonHasADottedFocusRectangleInsetByThree) {
    Button.FocusFromWindow(true);
    EXPECT_EQ(At(3, 3), clBlack);
    EXPECT_EQ(At(4, 3), Normal);
    EXPECT_EQ(At(5, 3), clBlack);
    EXPECT_EQ(At(69, 21), clBlack);  // (3, 3) + (67, 19) - 1
    Button.SetShowFocusRect(false);
    EXPECT_EQ(At(3, 3), Normal);
}

// With a 16 x 16 glyph, Spacing 3 and a 35 x 11 caption, the glyph and the
// caption form one centred block; a press moves both by one pixel.
TEST_F(SkinButtonPaint, FourLayoutsPlaceGlyphAndCaptionAsOneCentredBlock) {
    Glyph16(Button.Glyph());
    struct TCase {
        TSkinLayout Layout;
        int Height;
        const char* Glyph;
        const char* Text;
    };
    const TCase cases[] = {
        {blGlyphLeft, 25, "Draw (9,4)-(25,20) transparent", "Text (28,7) \"Quitter\""},
        {blGlyphRight, 25, "Draw (47,4)-(63,20) transparent", "Text (9,7) \"Quitter\""},
        // Below the 16 + 3 reserved rows, 41 rows: the caption at 19 + 15.
        {blGlyphTop, 60, "Draw (28,15)-(44,31) transparent", "Text (19,34) \"Quitter\""},
        {blGlyphBottom, 60, "Draw (28,29)-(44,45) transparent", "Text (19,15) \"Quitter\""},
    };
    for (const TCase& c : cases) {
        Button.SetLayout(c.Layout);
        Button.SetBounds(0, 0, 73, c.Height);
        const std::vector<std::string> calls = Calls();
        EXPECT_THAT(calls, testing::Contains(c.Glyph)) << c.Layout;
        EXPECT_THAT(calls, testing::Contains(HasSubstr(c.Text))) << c.Layout;
    }
    Button.SetLayout(blGlyphLeft);
    Button.SetBounds(0, 0, 73, 25);
    Button.MouseEnter();
    Button.MouseDown(mbLeft, 0, 5, 5);
    EXPECT_THAT(Calls(), testing::Contains("Draw (10,5)-(26,21) transparent"));
    EXPECT_THAT(Calls(), testing::Contains(HasSubstr("Text (29,8) \"Quitter\"")));
}

// Greys g = (r + g + b) div 3 div 2 + 96: black 96, red 85 div 2 + 96 = 138,
// white 127 + 96 = 223; the caption first in the highlight one pixel off,
// then in the shadow.
TEST_F(SkinButtonPaint, DisabledButtonGreysItsGlyphAndEmbossesItsCaption) {
    Glyph16(Button.Glyph());
    Button.SetEnabled(false);
    EXPECT_EQ(At(9 + 5, 4 + 5), 0x606060u);
    EXPECT_EQ(At(9 + 6, 4 + 5), 0x8A8A8Au);
    EXPECT_EQ(At(9 + 7, 4 + 5), 0xDFDFDFu);
    EXPECT_EQ(At(9, 4), Normal) << "the transparent colour stays transparent";
    TRecordingCanvas canvas(73, 25);
    Button.Paint(canvas);
    EXPECT_THAT(canvas.TextCalls(), ElementsAre(HasSubstr("Text (29,8) \"Quitter\" Tahoma -11 #FFFFFF"),
                                                HasSubstr("Text (28,7) \"Quitter\" Tahoma -11 #808080")));
    Button.SetAutoGray(false);
    EXPECT_EQ(At(9 + 6, 4 + 5), clRed);
}

// A grey that would be the transparent colour moves a step, so that the
// pixel still shows.
TEST_F(SkinButtonPaint, AGreyEqualToTheTransparentColourStillShows) {
    TBitmap glyph;
    Glyph16(glyph);
    glyph.Canvas().Brush().SetColor(0x8A8A8A);
    glyph.Canvas().FillRect(Bounds(0, 0, 16, 16));
    glyph.Canvas().SetPixels(6, 5, clRed);
    glyph.SetTransparentColor(0x8A8A8A);
    Button.SetGlyph(glyph);
    Button.SetEnabled(false);
    EXPECT_EQ(At(9 + 6, 4 + 5), 0x8B8B8Bu);
    EXPECT_EQ(At(9 + 5, 4 + 5), Normal);
}

TEST_F(SkinButtonPaint, HotTrackingColoursTheCaptionUnderTheMouse) {
    Button.SetHotTrack(true);
    Button.MouseEnter();
    TRecordingCanvas canvas(73, 25);
    Button.Paint(canvas);
    EXPECT_THAT(canvas.TextCalls(), ElementsAre(HasSubstr("Text (19,7) \"Quitter\" Tahoma -11 #0000FF")));
}

// An empty caption, or a lone "&", takes the room of a blank: one line of
// 11 rows, centred with the glyph above it at (60 - 19 - 11) / 2 = 15.
TEST_F(SkinButtonPaint, AGlyphWithoutCaptionIsCentredWithABlank) {
    Glyph16(Button.Glyph());
    Button.SetLayout(blGlyphTop);
    Button.SetBounds(0, 0, 73, 60);
    for (const char* caption : {"", "&"}) {
        Button.SetCaption(caption);
        EXPECT_THAT(Calls(), testing::Contains("Draw (28,15)-(44,31) transparent")) << caption;
    }
}
