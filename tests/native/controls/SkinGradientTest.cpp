// The skinned controls' gradients: the band colours, the bands' rows as the
// system's MulDiv places them (empty bands included), the dithering at the
// bands' tops and its 16-column pattern, and the same pixels at every build.
#include <gtest/gtest.h>

#include "controls/SkinGradient.h"

namespace {
TColor Grey(int Level) { return static_cast<TColor>(Level * 0x010101); }
}  // namespace

TEST(SkinGradient, ColoursStepFromTopToBottomRoundingHalvesToEven) {
    // 0xE7EBEF: red 0xEF, green 0xEB, blue 0xE7; band 32 of 64 steps
    // -16 * 32 / 63 = -8.13, -20 * 32 / 63 = -10.16 and -24 * 32 / 63 = -12.19.
    const std::vector<TColor> normal = GradientColors(0xFFFFFF, 0xE7EBEF, 64);
    ASSERT_EQ(normal.size(), 64u);
    EXPECT_EQ(normal[0], 0xFFFFFFu);
    EXPECT_EQ(normal[1], 0xFFFFFFu);  // -0.25, -0.32, -0.38 round to 0
    EXPECT_EQ(normal[2], 0xFEFEFEu);  // -0.51, -0.63, -0.76 round to -1
    EXPECT_EQ(normal[32], 0xF3F5F7u);
    EXPECT_EQ(normal[63], 0xE7EBEFu);
    // Red 0 to 3 over three colours: 1.5 goes up to 2; green 0 to 1: 0.5 stays 0.
    EXPECT_EQ(GradientColors(0x000000, 0x000103, 3), (std::vector<TColor>{0x000000, 0x000002, 0x000103}));
    // Downwards as well as upwards.
    EXPECT_EQ(GradientColors(0x0000FF, 0x000000, 8)[1], 0x0000DBu);  // 255 - 36.43
}

// A 41-pixel button's gradients are 39 rows of 64 bands: band i starts on row
// MulDiv(i, 39, 64) (0, 1, 1, 2, 2, 3, 4, 4, 5, 5 ...), so some bands are empty
// and a row shows the last band starting on it. Dithering sets h div 63 + 1
// = 1 pixel per column at the top row of each band, in the colour above it.
TEST(SkinGradient, FortyOnePixelButtonAtSixtyFourBandsHasEmptyBandsAndOneDitherPixelPerColumn) {
    struct TRow {
        int Y, Plain, Dithered;
    };
    const TRow rows[] = {{0, 0, 0}, {1, 2, 1}, {2, 4, 3}, {3, 5, 4}, {4, 7, 6}, {5, 9, 8}, {38, 63, 62}};
    TBitmap plain, dithered;
    BuildGradient(plain, 37, 39, Grey(0), Grey(63), 64, false);
    BuildGradient(dithered, 37, 39, Grey(0), Grey(63), 64, true);
    ASSERT_EQ(dithered.Width(), 37);
    ASSERT_EQ(dithered.Height(), 39);
    for (const TRow& row : rows)
        for (int x : {0, 7, 15, 16, 31, 32, 36}) {
            EXPECT_EQ(plain.Canvas().Pixels(x, row.Y), Grey(row.Plain)) << x << "," << row.Y;
            EXPECT_EQ(dithered.Canvas().Pixels(x, row.Y), Grey(row.Dithered)) << x << "," << row.Y;
        }
}

// Taller gradients scatter up to h div 63 + 1 pixels per column into each
// band's first rows; the pattern of 16 columns repeats, and is the same at
// every build.
TEST(SkinGradient, DitheringStaysAtTheBandsTopsRepeatsEvery16ColumnsAndIsTheSameEachBuild) {
    const int h = 200;  // h div 63 = 3: offsets 0, 0, 0..1, 0..2
    TBitmap first, second;
    BuildGradient(first, 50, h, Grey(0), Grey(63), 64, true);
    BuildGradient(second, 50, h, Grey(0), Grey(63), 64, true);
    int scattered = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 50; ++x) {
            ASSERT_EQ(first.ScanLine(y)[x], second.ScanLine(y)[x]) << x << "," << y;
            if (x >= 16) EXPECT_EQ(first.ScanLine(y)[x], first.ScanLine(y)[x % 16]) << x << "," << y;
            // Row y lies in band i = the last band with MulDiv(i, 200, 64) <= y.
            int band = 0;
            while (band + 1 < 64 && ((band + 1) * 200 + 32) / 64 <= y) ++band;
            const int top = (band * 200 + 32) / 64;
            const TColor c = first.Canvas().Pixels(x, y);
            if (c == Grey(band)) continue;
            ++scattered;
            EXPECT_EQ(c, Grey(band - 1)) << x << "," << y;
            EXPECT_LE(y - top, 2) << x << "," << y;
        }
    EXPECT_GT(scattered, 63 * 16) << "every band has its top row from the band above at least";
}

TEST(SkinGradient, SystemColoursAreResolvedAndEmptySizesGiveEmptyBitmaps) {
    TBitmap bitmap;
    BuildGradient(bitmap, 20, 8, clBtnShadow, clBtnShadow, 8, false);
    EXPECT_EQ(bitmap.Canvas().Pixels(19, 7), 0x808080u);  // the classic scheme's shadow
    BuildGradient(bitmap, -3, 8, clWhite, clBlack, 16, true);
    EXPECT_TRUE(bitmap.Empty());
}
