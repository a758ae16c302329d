// Block copies, drawing and stretching of bitmaps by the software raster.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PixelPicture.h"

using ::testing::ElementsAre;

namespace {

// Columns (or rows) painted in a repeating black, grey, white pattern.
void Stripes(TBitmap& b, int Width, int Height, bool Vertical) {
    Blank(b, Width, Height);
    const TColor colors[] = {clBlack, TestGrey, clWhite};
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) b.Canvas().SetPixels(x, y, colors[(Vertical ? x : y) % 3]);
}

}  // namespace

// The chart scrolls by copying itself two pixels to the left.
TEST(RasterCopy, SelfCopyToTheLeftKeepsTheUncoveredColumns) {
    TBitmap b;
    Stripes(b, 7, 2, true);
    b.Canvas().CopyRect(Bounds(-2, 0, 7, 2), b.Canvas(), Bounds(0, 0, 7, 2));
    EXPECT_THAT(Picture(b), ElementsAre(".#o.#.#", ".#o.#.#"));
}

TEST(RasterCopy, SelfCopyToTheRightReadsBeforeItWrites) {
    TBitmap b;
    Stripes(b, 7, 1, true);
    b.Canvas().CopyRect(Bounds(3, 0, 4, 1), b.Canvas(), Bounds(1, 0, 4, 1));
    EXPECT_THAT(Picture(b), ElementsAre("#o.o.#o"));
}

TEST(RasterCopy, SelfCopyUpAndDownOverlapping) {
    TBitmap b;
    Stripes(b, 1, 6, false);
    b.Canvas().CopyRect(Bounds(0, 1, 1, 5), b.Canvas(), Bounds(0, 0, 1, 5));
    EXPECT_THAT(Picture(b), ElementsAre("#", "#", "o", ".", "#", "o"));
    b.Canvas().CopyRect(Bounds(0, 0, 1, 4), b.Canvas(), Bounds(0, 2, 1, 4));
    EXPECT_THAT(Picture(b), ElementsAre("o", ".", "#", "o", "#", "o"));
}

TEST(RasterCopy, SourceOutsideItsBitmapLeavesTheTargetAlone) {
    TBitmap source, target;
    Stripes(source, 3, 1, true);
    Blank(target, 5, 1);
    target.Canvas().CopyRect(Bounds(0, 0, 5, 1), source.Canvas(), Bounds(-1, 0, 5, 1));
    EXPECT_THAT(Picture(target), ElementsAre(".#o.."));
}

TEST(RasterCopy, DrawPlacesTheWholeBitmapCutAtTheEdges) {
    TBitmap source, target;
    Stripes(source, 3, 2, true);
    Blank(target, 4, 3);
    target.Canvas().Draw(-1, 2, source);
    target.Canvas().Draw(2, -1, source);
    EXPECT_THAT(Picture(target), ElementsAre("..#o", "....", "o..."));
}

TEST(RasterCopy, StretchDrawRepeatsEachPixelWhenEnlarging) {
    TBitmap source, target;
    Stripes(source, 3, 1, true);
    Blank(target, 7, 2);
    target.Canvas().StretchDraw(Bounds(0, 0, 6, 2), source);
    EXPECT_THAT(Picture(target), ElementsAre("##oo...", "##oo..."));
}

TEST(RasterCopy, StretchDrawKeepsEveryOtherPixelWhenHalving) {
    TBitmap source, target;
    Stripes(source, 6, 1, true);  // # o . # o .
    Blank(target, 3, 1);
    target.Canvas().StretchDraw(Bounds(0, 0, 3, 1), source);
    EXPECT_THAT(Picture(target), ElementsAre("o#."));
}

TEST(RasterCopy, TransparentBitmapsLetTheCanvasShowThrough) {
    TBitmap glyph, target;
    Stripes(glyph, 3, 2, true);  // # o . on both rows: the bottom-left pixel is black
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clBlack);
    Blank(target, 8, 2);
    target.Canvas().Brush().SetColor(TestGrey);
    target.Canvas().FillRect(Bounds(0, 0, 8, 1));
    target.Canvas().Draw(0, 0, glyph);
    glyph.SetTransparentColor(TestGrey);
    target.Canvas().StretchDraw(Bounds(3, 0, 5, 2), glyph);  // # # o . . without the grey
    EXPECT_THAT(Picture(target), ElementsAre("oo.##o..", ".o.##..."));

    TBitmap copy;
    copy.Assign(glyph);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), TestGrey);
    copy.SetTransparentColor(clNone);  // back to the bottom-left pixel
    EXPECT_EQ(copy.TransparentColor(), clBlack);
}

TEST(RasterCopy, NothingForEmptyOrMirroredAreas) {
    TBitmap source, target;
    Stripes(source, 2, 1, true);
    Blank(target, 2, 1);
    target.Canvas().CopyRect({2, 0, 0, 1}, source.Canvas(), Bounds(0, 0, 2, 1));
    target.Canvas().CopyRect(Bounds(0, 0, 2, 1), source.Canvas(), {0, 0, 0, 1});
    TBitmap empty;
    target.Canvas().Draw(0, 0, empty);
    EXPECT_THAT(Picture(target), ElementsAre(".."));
}
