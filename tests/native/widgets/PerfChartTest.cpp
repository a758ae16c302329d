// The history chart's pixels: rows of the values, clamping, the grid's
// vertical lines every six samples, and clearing.
#include <gtest/gtest.h>

#include <cstring>

#include "widgets/PerfChart.h"

namespace {
class PerfChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        Chart.SetBounds(0, 0, W, H);
        Chart.Init();
    }
    TColor At(int X, int Y) { return Chart.Picture().Canvas().Pixels(X, Y); }
    bool ColumnIs(int X, TColor Color) {
        for (int y = 0; y < H; ++y)
            if (At(X, y) != Color) return false;
        return true;
    }
    static constexpr int W = 241, H = 97;
    TPerfChart Chart{nullptr};
};
}  // namespace

TEST_F(PerfChartTest, ValuesLandOnTheirRowsAndTheMainSeriesIsHeldWithin0To100) {
    // Each pair of samples draws a flat stretch of the main series at the
    // row where the first left it: (W - 3, y) and (W - 2, y).
    const std::pair<int, int> rows[] = {{100, 1}, {50, 50}, {150, 1}, {-5, 98}};
    for (auto [value, row] : rows) {
        Chart.Plot(value, -100, -100);
        Chart.Plot(value, -100, -100);
        if (row < H) {
            EXPECT_EQ(At(W - 3, row), clLime) << value;
            EXPECT_EQ(At(W - 2, row), clLime) << value;
        } else {
            Chart.Plot(value, -100, -100);  // past the stretch that came down to it
            for (int y = 0; y < H; ++y) EXPECT_NE(At(W - 3, y), clLime) << value << " falls below the picture";
        }
    }
    Chart.Plot(0, 150, 35);  // the second series above the picture is cut off
    Chart.Plot(0, 150, 35);
    for (int y = 0; y < H; ++y) EXPECT_NE(At(W - 2, y), clAqua) << y;
    const int level = 98 - 34;  // y(35) = 98 - 33.95, rounded
    EXPECT_EQ(At(W - 1, level), clRed);
    Chart.SetPlotColor(clYellow);
    Chart.Plot(50, 20, 35);
    Chart.Plot(50, 20, 35);
    EXPECT_EQ(At(W - 3, 50), clYellow);
    EXPECT_EQ(At(W - 3, 98 - 19), clAqua) << "y(20) = 98 - 19.4";
}

TEST_F(PerfChartTest, AVerticalGridLineStandsEverySixSamplesTwelvePixelsApart) {
    auto plot = [&](int Times) {
        for (int i = 0; i < Times; ++i) Chart.Plot(0, -100, -100);  // series below the picture
    };
    plot(5);
    EXPECT_FALSE(ColumnIs(W - 1, clGreen));
    plot(1);
    EXPECT_TRUE(ColumnIs(W - 1, clGreen));
    plot(6);
    EXPECT_TRUE(ColumnIs(W - 1, clGreen));
    EXPECT_TRUE(ColumnIs(W - 13, clGreen));
    EXPECT_FALSE(ColumnIs(W - 7, clGreen));
    EXPECT_EQ(At(W - 7, 10), clGreen) << "the rows' grid goes on";
    EXPECT_EQ(At(W - 7, 11), clBlack);
}

TEST_F(PerfChartTest, InitErasesTheHistory) {
    TBitmap empty;
    empty.Assign(Chart.Picture());
    EXPECT_EQ(At(0, 5), clGreen) << "Init's columns every 10";
    EXPECT_EQ(At(5, 5), clBlack);
    for (int i = 0; i < 9; ++i) Chart.Plot(30 + i, 60, 35);
    EXPECT_NE(std::memcmp(empty.ScanLine(0), Chart.Picture().ScanLine(0), W * H * 4), 0);
    Chart.Init();
    EXPECT_EQ(std::memcmp(empty.ScanLine(0), Chart.Picture().ScanLine(0), W * H * 4), 0);
}
