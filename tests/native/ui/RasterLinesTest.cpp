// Lines, pixels and bitmaps of the software raster.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PixelPicture.h"
#include "ui/LinePixels.h"
#include "ui/SystemColors.h"

using ::testing::ElementsAre;

TEST(RasterLines, LeaveOutTheEndPointMoveThePenAndAreCutAtTheEdges) {
    TBitmap b;
    Blank(b, 6, 5);
    TCanvas& c = b.Canvas();
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ(c.PenPos(), (TPoint{5, 1}));
    c.LineTo(5, 3);  // on from the pen: (5,1) and (5,2), not (5,3)
    c.LineTo(5, 3);  // no length, nothing drawn
    c.MoveTo(-3, -3);  // enters at the corner
    c.LineTo(1, 1);
    c.MoveTo(-100000000, 4);  // from far away to past the edge
    c.LineTo(100000000, 4);
    c.Pen().SetStyle(psClear);
    c.LineTo(0, 3);
    EXPECT_EQ(c.PenPos(), (TPoint{0, 3}));
    EXPECT_THAT(Picture(b), ElementsAre("#.....", ".#####", ".....#", "......", "######"));
}

// Cutting a line to the clip must not move the pixels that remain.
TEST(RasterLines, ClippedLinesKeepThePixelsOfTheWholeLine) {
    const TRect clip{3, 2, 9, 7};
    for (int x0 = -40; x0 <= 40; x0 += 7)
        for (int y1 = -25; y1 <= 30; y1 += 5)
            for (TPoint to : {TPoint{37, y1}, TPoint{y1, 41}, TPoint{-x0, y1 / 2}}) {
                const TPoint from{x0, -11};
                std::vector<TPoint> whole, cut;
                ForEachLinePixel(from, to, TRect{-100, -100, 100, 100}, [&](int x, int y) {
                    if (clip.Contains({x, y})) whole.push_back({x, y});
                });
                ForEachLinePixel(from, to, clip, [&](int x, int y) {
                    if (clip.Contains({x, y})) cut.push_back({x, y});
                });
                EXPECT_EQ(cut, whole) << from.X << "," << from.Y << " to " << to.X << "," << to.Y;
            }
}

TEST(RasterPixels, ReadBackInvalidOutsideSystemColoursFromTheTable) {
    TBitmap b(3, 2);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.Pixels(0, 0), clWhite);  // a new bitmap is white
    c.SetPixels(2, 1, 0x123456);
    c.SetPixels(3, 0, clBlack);  // outside: ignored
    EXPECT_EQ(c.Pixels(2, 1), 0x123456u);
    EXPECT_EQ(b.ScanLine(1)[2], 0x563412u);  // stored in DIB order
    for (TPoint outside : {TPoint{3, 0}, TPoint{-1, 0}, TPoint{0, 2}}) EXPECT_EQ(c.Pixels(outside.X, outside.Y), clInvalid);

    c.SetPixels(0, 1, clBtnFace);
    SetSystemColorRGB(SystemColorIndex(clBtnFace), 0x0000FF);
    c.SetPixels(1, 1, clBtnFace);
    ResetSystemColors();
    EXPECT_EQ(c.Pixels(0, 1), clSilver);  // the classic button face, kept once drawn
    EXPECT_EQ(c.Pixels(1, 1), 0x0000FFu);
    EXPECT_EQ(c.ColorToRGB(clNone), clWhite);
}

TEST(RasterBitmap, ResizingKeepsThePixelsInsideAndEveryDrawingNotifies) {
    TBitmap b;
    int changes = 0;
    b.OnChange = TNotifyEvent([&](TObject* Sender) {
        EXPECT_EQ(Sender, &b);
        ++changes;
    });
    Blank(b, 2, 2);
    b.Canvas().SetPixels(1, 1, clBlack);
    b.Canvas().SetPixels(0, 0, clBlack);
    b.SetSize(3, 1);
    EXPECT_THAT(Picture(b), ElementsAre("#.."));
    b.SetSize(3, 1);  // same size: no change
    b.SetSize(-4, 5);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(changes, 6);  // size, fill, two pixels, two resizes
}
