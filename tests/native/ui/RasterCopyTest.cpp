// Block copies, drawing and stretching of bitmaps by the software raster.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PixelPicture.h"

using ::testing::ElementsAre;

namespace {

// Columns painted black, grey, white, black...
void Stripes(TBitmap& b, int Width, int Height) {
    Blank(b, Width, Height);
    const TColor colors[] = {clBlack, TestGrey, clWhite};
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) b.Canvas().SetPixels(x, y, colors[x % 3]);
}

}  // namespace

// The chart scrolls by copying itself two pixels to the left; a copy to the
// right must read before it writes.
TEST(RasterCopy, OverlappingCopiesWithinOneBitmap) {
    TBitmap b;
    Stripes(b, 7, 2);
    b.Canvas().CopyRect(Bounds(-2, 0, 7, 1), b.Canvas(), Bounds(0, 0, 7, 1));
    b.Canvas().CopyRect(Bounds(3, 1, 4, 1), b.Canvas(), Bounds(1, 1, 4, 1));
    EXPECT_THAT(Picture(b), ElementsAre(".#o.#.#", "#o.o.#o"));
}

TEST(RasterCopy, PartsOutsideEitherBitmapAreLeftAlone) {
    TBitmap source, target;
    Stripes(source, 3, 2);
    Blank(target, 5, 3);
    target.Canvas().CopyRect(Bounds(0, 0, 5, 1), source.Canvas(), Bounds(-1, 0, 5, 1));
    target.Canvas().Draw(-1, 2, source);
    target.Canvas().Draw(3, 0, source);
    target.Canvas().CopyRect({2, 0, 0, 1}, source.Canvas(), Bounds(0, 0, 2, 1));  // mirrored: nothing
    target.Canvas().Draw(0, 0, TBitmap());
    EXPECT_THAT(Picture(target), ElementsAre(".#o#o", "...#o", "o...."));
}

TEST(RasterCopy, StretchRepeatsPixelsWhenEnlargingAndSkipsThemWhenShrinking) {
    TBitmap source, target;
    Stripes(source, 6, 1);  // # o . # o .
    Blank(target, 13, 2);
    target.Canvas().StretchDraw(Bounds(0, 0, 12, 2), source);
    target.Canvas().StretchDraw(Bounds(10, 1, 3, 1), source);
    EXPECT_THAT(Picture(target), ElementsAre("##oo..##oo...", "##oo..##ooo#."));
}

TEST(RasterCopy, TransparentBitmapsLetTheCanvasShowThrough) {
    TBitmap glyph, target;
    Stripes(glyph, 3, 2);  // the bottom-left pixel is black
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
    EXPECT_EQ(copy.TransparentColor(), TestGrey);
    copy.SetTransparentColor(clNone);  // back to the bottom-left pixel
    EXPECT_EQ(copy.TransparentColor(), clBlack);
}

// 65,536 x 65,537 wraps to 65,536 pixels in 32 bits; drawing would then write
// past them.
TEST(Bitmap, RefusesASizeBeyondWhatAProgramCanAddress) {
    TBitmap b(4, 3);
    EXPECT_THROW(b.SetSize(65536, 65537), EBitmapTooLarge);
    EXPECT_THROW(b.SetSize(8193, 8192), EBitmapTooLarge);
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Height(), 3);
    b.SetSize(8192, 8192);  // exactly the limit
    EXPECT_EQ(b.Width(), 8192);
}
