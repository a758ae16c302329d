// Fills, frames, rectangles and rounded rectangles of the software raster.
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

TEST(RasterShapes, FillsAndFramesLeaveOutRightAndBottom) {
    TBitmap b;
    TCanvas& c = Prepare(b, 9, 4);
    c.FillRect({1, 1, 4, 3});
    c.FillRect({4, 3, 4, 4});  // empty
    c.FillRect({0, 3, 1, 2});  // turned over: reaches back from its start, start included
    c.Brush().SetColor(clBlack);
    c.FrameRect({5, 0, 9, 4});
    c.FrameRect({5, 0, 5, 4});  // no width: nothing
    c.Brush().SetStyle(bsClear);
    c.FillRect({0, 0, 9, 4});
    EXPECT_THAT(Picture(b), ElementsAre(".....####", ".ooo.#..#", ".ooo.#..#", "o....####"));
    c.Brush().SetColor(TestGrey);  // a colour makes a clear brush solid, clNone clears it
    EXPECT_EQ(c.Brush().Style(), bsSolid);
    c.Brush().SetColor(clNone);
    EXPECT_EQ(c.Brush().Style(), bsClear);
}

TEST(RasterShapes, RectanglesOutlineInsideTheirBounds) {
    TBitmap b;
    TCanvas& c = Prepare(b, 14, 4);
    c.Rectangle({4, 4, 0, 0});  // any corner order
    c.Pen().SetStyle(psClear);
    c.Rectangle({4, 0, 8, 3});  // without pen: filled one pixel narrower and lower
    c.Pen().SetStyle(psSolid);
    c.Brush().SetStyle(bsClear);
    c.Rectangle({8, 0, 11, 3});
    c.Rectangle({11, 0, 12, 4});  // thin: a line
    c.Rectangle({12, 0, 13, 1});  // a single pixel is not drawn at all
    EXPECT_THAT(Picture(b), ElementsAre("####ooo.####..", "#oo#ooo.#.##..", "#oo#....####..", "####.......#.."));
}

// A 5 x 5 corner ellipse cuts one pixel off each corner (the skinned
// buttons); corners larger than the rectangle are cut to its size.
TEST(RasterShapes, RoundRectCorners) {
    TBitmap b;
    TCanvas& c = Prepare(b, 14, 7);
    c.RoundRect({0, 0, 8, 7}, 5, 5);
    c.RoundRect({9, 1, 14, 6}, 50, 50);
    EXPECT_THAT(Picture(b), ElementsAre(".######.......", "#oooooo#..###.", "#oooooo#.#ooo#", "#oooooo#.#ooo#",
                                        "#oooooo#.#ooo#", "#oooooo#..###.", ".######......."));
}
