// The gradient bar: how much of the bar shows, the gradient's colours by
// direction, the position text, and what a position change redraws.
#include <gtest/gtest.h>

#include "tests/fakes/RecordingTextRenderer.h"
#include "ui/SystemColors.h"
#include "widgets/GradientBar.h"

namespace {
class GradientBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Bar.SetBounds(0, 0, 200, 13);
        Bar.SetBackgroundColor(clWhite);
        Bar.SetShowPosText(false);
    }
    TColor At(int X, int Y = 6) const { return Bar.Buffer().Canvas().Pixels(X, Y); }
    // The first column of the inner area that shows the background.
    int FirstBackground() const {
        for (int x = 1; x < 199; ++x)
            if (At(x) == clWhite) return x;
        return 199;
    }
    TGradientBar Bar{nullptr};
};
}  // namespace

TEST_F(GradientBarTest, TheBackgroundCoversThePartBeyondThePosition) {
    const std::pair<int, int> cases[] = {{50, 100}, {0, 1}, {100, 199}, {101, 199}, {-1, 199}, {1, 3}};
    for (auto [position, first] : cases) {
        Bar.SetPosition(position);  // 101 and -1 are out of range: ignored
        EXPECT_EQ(FirstBackground(), first) << position;
    }
    EXPECT_EQ(Bar.Position(), 1);
    EXPECT_EQ(At(0, 0), TableColorToRGB(clBtnShadow)) << "top-left border";
    EXPECT_EQ(At(199, 12), TableColorToRGB(clBtnHighlight)) << "bottom-right border";

    Bar.SetDirection(pdBottomToTop);  // grows from the bottom: 6 of 11 rows (5.5, to even)
    Bar.SetPosition(50);
    EXPECT_EQ(At(100, 5), clWhite);
    EXPECT_NE(At(100, 6), clWhite);
    Bar.SetDirection(pdRightToLeft);
    EXPECT_EQ(At(99), clWhite);
    EXPECT_NE(At(100), clWhite);
}

TEST_F(GradientBarTest, GradientsStartWithTheFirstColourWhereTheBarGrows) {
    Bar.SetShowBorder(false);
    Bar.SetPosition(100);
    struct TCase {
        TProgressDirection Direction;
        TBarColorStyle Style;
        TColor Column0, Column99, Column100, Column199;
    };
    const TCase cases[] = {
        {pdLeftToRight, cs3Colors, clGreen, clYellow, clYellow, clRed},
        {pdRightToLeft, cs3Colors, clRed, clYellow, clYellow, clGreen},
        {pdLeftToRight, cs2Colors, clGreen, 0, 0, clYellow},
    };
    for (const TCase& c : cases) {
        Bar.SetDirection(c.Direction);
        Bar.SetBarColorStyle(c.Style);
        EXPECT_EQ(At(0), c.Column0) << c.Direction << c.Style;
        EXPECT_EQ(At(199), c.Column199) << c.Direction << c.Style;
        if (c.Style == cs3Colors) {
            EXPECT_EQ(At(99), c.Column99);
            EXPECT_EQ(At(100), c.Column100);
        }
    }
    Bar.SetBarColorStyle(cs1Color);
    EXPECT_EQ(At(150), clGreen);
    for (int y : {0, 12}) EXPECT_EQ(At(150, y), clGreen) << "no border";
}

TEST_F(GradientBarTest, BlendColorSpacesTheColoursEvenly) {
    EXPECT_EQ(BlendColor(clBlack, clWhite, 2, 3), 0x808080u) << "MulDiv(1, 255, 2) rounds 127.5 up";
    EXPECT_EQ(BlendColor(clBlack, clWhite, 1, 3), clBlack);
    EXPECT_EQ(BlendColor(clBlack, clWhite, 3, 3), clWhite);
    EXPECT_EQ(BlendColor(clRed, clLime, 1, 1), clRed) << "a single colour is the start";
    for (auto [k, n] : {std::pair{0, 5}, {6, 5}}) {
        try {
            BlendColor(clBlack, clWhite, k, n);
            ADD_FAILURE() << k << " of " << n;
        } catch (const std::out_of_range& e) {
            EXPECT_STREQ(e.what(), "ColorIndex can't be less than 1 or greater than 5");
        }
    }
}

TEST_F(GradientBarTest, ThePositionTextIsCentredAndAPercentageOfMax) {
    TRecordingTextRenderer text;
    Bar.Font().SetName("Arial");
    Bar.Font().SetHeight(-11);  // stand-in cells: 5 wide, 11 high
    Bar.Font().SetStyle(fsBold);
    Bar.Font().SetColor(clBlack);
    Bar.SetPosTextSuffix("%");
    Bar.SetShowPosText(true);
    Bar.SetPercentage(true);
    text.Texts.clear();
    Bar.SetPosition(57);
    EXPECT_EQ(text.Texts, std::vector<std::string>{"57% Arial bold"});
    EXPECT_EQ(Bar.Caption(), "57%") << "what a screen reader reads";
    // 15 pixels wide, 11 high: from (100 - 7, 6 - 5); each box leaves a gap.
    EXPECT_EQ(At(93, 1), clBlack);
    EXPECT_NE(At(92, 1), clBlack);
    EXPECT_NE(At(97, 1), clBlack);
    EXPECT_EQ(At(106, 11), clBlack);
    EXPECT_NE(At(107, 11), clBlack);

    Bar.SetMin(20);
    Bar.SetMax(80);
    text.Texts.clear();
    Bar.SetPosition(40);  // a third of the bar, but 40 of 80
    EXPECT_EQ(text.Texts, std::vector<std::string>{"50% Arial bold"});
    Bar.SetPercentage(false);
    Bar.SetPosTextPrefix("(");
    EXPECT_EQ(text.Texts.back(), "(40% Arial bold");
    Bar.SetMin(0);
    Bar.SetPercentage(true);
    Bar.SetMax(0);
    EXPECT_EQ(text.Texts.back(), "(0% Arial bold") << "no maximum to be a percentage of";
}

TEST_F(GradientBarTest, APositionChangeReusesTheBarImageAndAnyOtherChangeMakesItAgain) {
    const int builds = Bar.BarImageBuilds();
    for (int p = 1; p <= 30; ++p) Bar.SetPosition(p);
    EXPECT_EQ(Bar.BarImageBuilds(), builds);
    Bar.SetBarColor1(0xFF0000);
    EXPECT_EQ(Bar.BarImageBuilds(), builds + 1);
    TBitmap none(0, 13);
    Bar.SetShowBorder(false);
    Bar.SetBarBitmap(none);  // an empty picture: still the gradient
    EXPECT_EQ(At(0), TableColorToRGB(Bar.BarColor1()));
    TBitmap tile(3, 13);
    tile.Canvas().Brush().SetColor(clAqua);
    tile.Canvas().FillRect(Bounds(0, 0, 3, 13));
    Bar.SetBarBitmap(tile);
    EXPECT_EQ(At(1), clAqua);
    EXPECT_EQ(At(29), clAqua);
}
