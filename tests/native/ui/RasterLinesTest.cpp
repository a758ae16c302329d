// Lines and pixels of the software raster.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "PixelPicture.h"
#include "ui/LinePixels.h"
#include "ui/SystemColors.h"

using ::testing::ElementsAre;

TEST(RasterLines, LeaveOutTheEndPointAndMoveThePen) {
    TBitmap b;
    Blank(b, 6, 4);
    TCanvas& c = b.Canvas();
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ(c.PenPos(), (TPoint{5, 1}));
    c.LineTo(5, 3);  // continues from the pen: (5,1) and (5,2), not (5,3)
    c.MoveTo(0, 3);
    c.LineTo(0, 3);  // no length, nothing drawn
    EXPECT_THAT(Picture(b), ElementsAre("......", ".#####", ".....#", "......"));
}

TEST(RasterLines, ClearPenDrawsNothingButMoves) {
    TBitmap b;
    Blank(b, 4, 2);
    b.Canvas().Pen().SetStyle(psClear);
    b.Canvas().LineTo(4, 0);
    EXPECT_EQ(b.Canvas().PenPos(), (TPoint{4, 0}));
    EXPECT_THAT(Picture(b), ElementsAre("....", "...."));
}

TEST(RasterLines, AreCutAtTheEdgesWithoutMovingThePixelsInside) {
    TBitmap b;
    Blank(b, 4, 4);
    TCanvas& c = b.Canvas();
    c.MoveTo(-3, -3);  // the diagonal enters at the corner
    c.LineTo(2, 2);
    c.MoveTo(-100000000, 3);  // a long line from far away, ending past the edge
    c.LineTo(100000000, 3);
    c.MoveTo(-5, 10);  // entirely outside
    c.LineTo(10, 10);
    EXPECT_THAT(Picture(b), ElementsAre("#...", ".#..", "....", "####"));
}

// Every slope: as many pixels as the longer axis, each a neighbour of the
// last, starting on From and ending beside To.
TEST(RasterLines, StepOnePixelAtATimeInEveryDirection) {
    for (int dx = -7; dx <= 7; ++dx)
        for (int dy = -7; dy <= 7; ++dy) {
            if (dx == 0 && dy == 0) continue;
            std::vector<TPoint> pixels;
            ForEachLinePixel({0, 0}, {dx, dy}, TRect{-8, -8, 8, 8}, [&](int x, int y) { pixels.push_back({x, y}); });
            SCOPED_TRACE(testing::Message() << "to " << dx << "," << dy);
            ASSERT_EQ(pixels.size(), static_cast<size_t>(std::max(std::abs(dx), std::abs(dy))));
            EXPECT_EQ(pixels.front(), (TPoint{0, 0}));
            TPoint last = pixels.back();
            EXPECT_LE(std::abs(dx - last.X), 1);
            EXPECT_LE(std::abs(dy - last.Y), 1);
            for (size_t i = 1; i < pixels.size(); ++i) {
                EXPECT_LE(std::abs(pixels[i].X - pixels[i - 1].X), 1);
                EXPECT_LE(std::abs(pixels[i].Y - pixels[i - 1].Y), 1);
            }
        }
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

TEST(RasterPixels, ReadBackWhatWasSetAndAnswerInvalidOutside) {
    TBitmap b(3, 2);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.Pixels(0, 0), clWhite);  // a new bitmap is white
    c.SetPixels(2, 1, 0x123456);
    c.SetPixels(3, 0, clBlack);  // outside: ignored
    EXPECT_EQ(c.Pixels(2, 1), 0x123456u);
    EXPECT_EQ(b.ScanLine(1)[2], 0x563412u);  // stored in DIB order
    EXPECT_EQ(c.Pixels(3, 0), clInvalid);
    EXPECT_EQ(c.Pixels(-1, 0), clInvalid);
    EXPECT_EQ(c.Pixels(0, 2), clInvalid);
}

TEST(RasterPixels, SystemColoursComeFromTheTableWhenDrawn) {
    TBitmap b(2, 1);
    TCanvas& c = b.Canvas();
    c.SetPixels(0, 0, clBtnFace);
    EXPECT_EQ(c.Pixels(0, 0), clSilver);  // classic button face
    SetSystemColorRGB(SystemColorIndex(clBtnFace), 0x0000FF);
    c.SetPixels(1, 0, clBtnFace);
    ResetSystemColors();
    EXPECT_EQ(c.Pixels(0, 0), clSilver);  // already drawn: unchanged
    EXPECT_EQ(c.Pixels(1, 0), 0x0000FFu);
    EXPECT_EQ(c.ColorToRGB(clInfoBk), 0xE1FFFFu);
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
