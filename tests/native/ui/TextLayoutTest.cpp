// Text laid out in a rectangle, and drawn: on a recording canvas as calls, on
// a bitmap with the stand-in glyphs as pixels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PixelPicture.h"
#include "tests/fakes/RecordingCanvas.h"
#include "ui/TextLayout.h"

using ::testing::ElementsAre;

namespace {
// Six pixels a character, lines eleven high.
int SixEach(std::string_view Text) { return 6 * static_cast<int>(Text.size()); }

struct TLayoutCase {
    const char* Name;
    const char* Text;
    TRect Rect;
    unsigned Format;
    std::vector<TTextLine> Lines;
};
}  // namespace

TEST(TextLayout, LinesPositionsAndAccelerators) {
    const TRect box{0, 0, 60, 44};
    const TLayoutCase cases[] = {
        {"prefix marks and hides", "&Optimise!", box, tfLeft, {{0, 0, "Optimise!", 0}}},
        {"doubled prefix is one &", "a&&b", box, tfLeft, {{0, 0, "a&b", -1}}},
        {"only the first accelerator", "&a&b", box, tfLeft, {{0, 0, "ab", 0}}},
        {"a last & shows nothing", "ab&", box, tfLeft, {{0, 0, "ab", -1}}},
        {"no prefix", "&a", box, tfNoPrefix, {{0, 0, "&a", -1}}},
        {"centred, wider than the box", "Quitter Torvane", box, tfCenter, {{-15, 0, "Quitter Torvane", -1}}},
        {"right, bottom", "ok", box, tfRight | tfBottom, {{48, 33, "ok", -1}}},
        {"centred block", "un\r\ndeux", box, tfVCenter, {{0, 11, "un", -1}, {0, 22, "deux", -1}}},
        {"line breaks of every kind", "a\r\nb\nc\rd", box, tfLeft,
         {{0, 0, "a", -1}, {0, 11, "b", -1}, {0, 22, "c", -1}, {0, 33, "d", -1}}},
        {"single line keeps them", "a\r\nb", box, tfSingleLine, {{0, 0, "a\r\nb", -1}}},
        {"words break at blanks", "Vous êtes sur le point de", box, tfWordBreak,
         {{0, 0, "Vous êtes", -1}, {0, 11, "sur le", -1}, {0, 22, "point de", -1}}},
        {"a word wider than the box stands alone", "a Incompressible b", box, tfWordBreak,
         {{0, 0, "a", -1}, {0, 11, "Incompressible", -1}, {0, 22, "b", -1}}},
        {"the accelerator follows its word", "Nbre de &Mo", Bounds(0, 0, 30, 44), tfWordBreak,
         {{0, 0, "Nbre", -1}, {0, 11, "de Mo", 3}}},
        {"ellipsis within the width", "Connection error", box, tfEndEllipsis, {{0, 0, "Connect...", -1}}},
        {"ellipsis drops an accelerator it cuts", "Connection &error", box, tfEndEllipsis, {{0, 0, "Connect...", -1}}},
        {"ellipsis in a box narrower than itself", "abc", Bounds(0, 0, 10, 11), tfEndEllipsis, {{0, 0, "...", -1}}},
        {"empty", "", box, tfCenter, {}},
    };
    for (const TLayoutCase& c : cases)
        EXPECT_EQ(LayoutText(c.Text, c.Rect, c.Format, 11, SixEach).Lines, c.Lines) << c.Name;
    EXPECT_EQ(LayoutText("un\r\ntrois", Bounds(5, 7, 1, 1), tfCenter, 11, SixEach).Extent, TRect(5, 7, 35, 29));
    EXPECT_EQ(LayoutText("", Bounds(5, 7, 50, 50), tfLeft, 11, SixEach).Extent, TRect(5, 7, 5, 7));
}

TEST(TextLayout, DrawnTextGoesToTheCanvasWithItsFontClipAndAccelerator) {
    TRecordingCanvas canvas(80, 30);
    canvas.Font().SetName("Arial");
    canvas.Font().SetHeight(-10);  // stand-in glyphs: 5 wide, 10 high, ascent 8
    canvas.Font().SetStyle(fsBold);
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetStyle(bsClear);
    const TRect r = Bounds(10, 5, 60, 20);
    EXPECT_EQ(canvas.DrawText(r, "&Annuler", tfCenter | tfVCenter | tfCalcRect), TRect(10, 5, 45, 15));
    EXPECT_TRUE(canvas.Calls.empty()) << "measuring draws nothing";
    canvas.DrawText(r, "&Annuler", tfCenter | tfVCenter);
    EXPECT_THAT(canvas.Calls, ElementsAre("Text (22,10) \"Annuler\" Arial -10 bold #0000FF clip (10,5)-(70,25)",
                                          "Line (22,19)-(27,19) #0000FF"));
    canvas.Calls.clear();
    canvas.Brush().SetColor(clWhite);  // an opaque background
    canvas.DrawText(r, "57%", tfNoClip);
    EXPECT_THAT(canvas.TextCalls(), ElementsAre("Text (10,5) \"57%\" Arial -10 bold #0000FF on #FFFFFF"));
    EXPECT_EQ(canvas.Pen().Color(), clBlack) << "the underline leaves the pen as it was";
}

TEST(TextLayout, BitmapTextIsTheRenderersGlyphsOverTheBrushOrWhatWasThere) {
    TBitmap b;
    Blank(b, 8, 3);
    TCanvas& c = b.Canvas();
    c.Font().SetColor(clBlack);
    c.Font().SetHeight(-4);  // cells 2 wide, 4 high: a column of ink and a gap
    c.Brush().SetStyle(bsClear);
    c.TextOut(0, 0, "a b");
    c.Brush().SetColor(TestGrey);
    c.TextRect(Bounds(6, 0, 2, 2), 6, 1, "c");  // cut to its clip
    EXPECT_THAT(Picture(b), ElementsAre("#...#...", "#...#.#o", "#...#..."));
}
