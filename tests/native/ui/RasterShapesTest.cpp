// Rectangles, frames and rounded rectangles of the software raster.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PixelPicture.h"

using ::testing::ElementsAre;

namespace {

// Black pen, grey brush on white.
TCanvas& Prepare(TBitmap& b, int Width, int Height) {
    Blank(b, Width, Height);
    b.Canvas().Pen().SetColor(clBlack);
    b.Canvas().Brush().SetColor(TestGrey);
    return b.Canvas();
}

}  // namespace

TEST(RasterShapes, FillRectLeavesOutRightAndBottom) {
    TBitmap b;
    TCanvas& c = Prepare(b, 5, 4);
    c.FillRect({1, 1, 4, 3});
    c.FillRect({4, 3, 4, 4});  // empty
    EXPECT_THAT(Picture(b), ElementsAre(".....", ".ooo.", ".ooo.", "....."));
}

// A block fill's negative size reaches back from its start, start included.
TEST(RasterShapes, FillRectTurnedOverCoversTheOtherSideOfItsStart) {
    TBitmap b;
    TCanvas& c = Prepare(b, 5, 4);
    c.FillRect({3, 1, 1, 3});
    c.Brush().SetColor(clBlack);
    c.FillRect({4, 3, 5, 1});
    EXPECT_THAT(Picture(b), ElementsAre(".....", "..oo.", "..oo#", "....#"));
}

TEST(RasterShapes, FrameRectUsesTheBrushOnTheOuterRing) {
    TBitmap b;
    TCanvas& c = Prepare(b, 5, 4);
    c.Brush().SetColor(clBlack);
    c.FrameRect({0, 0, 4, 4});
    c.FrameRect({4, 0, 4, 4});  // no width: nothing
    EXPECT_THAT(Picture(b), ElementsAre("####.", "#..#.", "#..#.", "####."));
}

TEST(RasterShapes, ClearBrushDrawsNoFill) {
    TBitmap b;
    TCanvas& c = Prepare(b, 3, 2);
    c.Brush().SetStyle(bsClear);
    c.FillRect({0, 0, 3, 2});
    c.FrameRect({0, 0, 3, 2});
    EXPECT_THAT(Picture(b), ElementsAre("...", "..."));
    c.Brush().SetColor(TestGrey);  // a colour makes it solid again
    EXPECT_EQ(c.Brush().Style(), bsSolid);
    c.Brush().SetColor(clNone);
    EXPECT_EQ(c.Brush().Style(), bsClear);
}

TEST(RasterShapes, RectangleOutlinesInsideItsBoundsInAnyCornerOrder) {
    TBitmap b;
    TCanvas& c = Prepare(b, 6, 5);
    c.Rectangle({5, 4, 1, 0});
    EXPECT_THAT(Picture(b), ElementsAre(".####.", ".#oo#.", ".#oo#.", ".####.", "......"));
}

TEST(RasterShapes, RectangleWithoutPenFillsOnePixelLess) {
    TBitmap b;
    TCanvas& c = Prepare(b, 5, 4);
    c.Pen().SetStyle(psClear);
    c.Rectangle({0, 0, 4, 3});
    EXPECT_THAT(Picture(b), ElementsAre("ooo..", "ooo..", ".....", "....."));
}

TEST(RasterShapes, RectangleWithClearBrushIsAFrameOnly) {
    TBitmap b;
    TCanvas& c = Prepare(b, 4, 4);
    c.Brush().SetStyle(bsClear);
    c.Rectangle({0, 0, 4, 4});
    c.Rectangle({3, 3, 3, 4});  // no width: nothing
    EXPECT_THAT(Picture(b), ElementsAre("####", "#..#", "#..#", "####"));
}

TEST(RasterShapes, ThinRectanglesAreSolidLines) {
    TBitmap b;
    TCanvas& c = Prepare(b, 4, 3);
    c.Rectangle({0, 0, 1, 3});
    c.Rectangle({1, 1, 4, 2});
    c.Rectangle({3, 0, 4, 1});  // a single pixel is not drawn at all
    EXPECT_THAT(Picture(b), ElementsAre("#...", "####", "#..."));
}

// A 5 x 5 corner ellipse cuts one pixel off each corner: the corners of the
// skinned buttons.
TEST(RasterShapes, RoundRectWithSmallCornersCutsTheCornerPixels) {
    TBitmap b;
    TCanvas& c = Prepare(b, 8, 7);
    c.RoundRect({0, 0, 8, 7}, 5, 5);
    EXPECT_THAT(Picture(b), ElementsAre(".######.", "#oooooo#", "#oooooo#", "#oooooo#", "#oooooo#", "#oooooo#", ".######."));
}

TEST(RasterShapes, RoundRectCornersAreMirrorImages) {
    TBitmap b;
    TCanvas& c = Prepare(b, 21, 15);
    c.RoundRect({0, 0, 21, 15}, 11, 9);  // odd sizes: the shape is symmetric
    auto rows = Picture(b);
    for (int y = 0; y < 15; ++y) {
        EXPECT_EQ(rows[y], std::string(rows[y].rbegin(), rows[y].rend())) << y;
        EXPECT_EQ(rows[y], rows[14 - y]) << y;
    }
    EXPECT_EQ(rows[0][0], '.');  // the corner itself is cut
    EXPECT_EQ(rows[0][5], '#');  // the arc reaches the top by the ellipse's middle
    EXPECT_EQ(rows[7], "#ooooooooooooooooooo#");
}

TEST(RasterShapes, RoundRectCornersLargerThanTheRectangleAreCut) {
    TBitmap b;
    TCanvas& c = Prepare(b, 7, 5);
    c.RoundRect({1, 0, 6, 5}, 50, 50);  // a circle in a 5 x 5 box
    EXPECT_THAT(Picture(b), ElementsAre("..###..", ".#ooo#.", ".#ooo#.", ".#ooo#.", "..###.."));
}
