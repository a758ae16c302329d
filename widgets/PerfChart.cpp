#include "widgets/PerfChart.h"

#include <algorithm>

#include "core/Rounding.h"
#include "ui/Canvas.h"

TCanvas& TPerfChart::Surface() {
    if (Picture().Empty()) Picture().SetSize(Width(), Height());
    return Picture().Canvas();
}

int TPerfChart::RowOf(int32_t Percent) const {
    const int h = Picture().Height();
    // Far values only need to stay far: the lines are cut at the edges.
    return static_cast<int>(std::clamp<int64_t>(RoundHalfEven((h + 1) - Percent / 100.0 * h), -1'000'000'000, 1'000'000'000));
}

// Horizontal grid lines every ten rows; each starts three pixels left of
// where the pen was left, as the drawing has always done.
void TPerfChart::GridRows(TCanvas& Canvas, int FromX) {
    const int w = Picture().Width(), h = Picture().Height();
    for (int r = 0; r < h; r += 10) {
        Canvas.MoveTo(FromX < 0 ? Canvas.PenPos().X - 3 : FromX, r);
        Canvas.LineTo(w, r);
    }
}

void TPerfChart::Init() {
    TCanvas& c = Surface();
    const int w = Picture().Width(), h = Picture().Height();
    FLastMainY = FLastSecondY = h;
    c.Brush().SetColor(clBlack);
    c.FillRect(Bounds(0, 0, w, h));
    c.Pen().SetColor(clGreen);
    c.Pen().SetStyle(psSolid);
    GridRows(c, 0);
    for (int col = 0; col < w; col += 10) {
        c.MoveTo(col, 0);
        c.LineTo(col, h);
    }
    c.MoveTo(w - 1, 0);
    c.LineTo(w - 1, h);
    c.MoveTo(0, h - 1);
    FGridCounter = 0;
}

void TPerfChart::Plot(int32_t Main, int32_t Second, int32_t Level) {
    TCanvas& c = Surface();
    const int w = Picture().Width(), h = Picture().Height();
    Main = std::clamp(Main, 0, 100);
    c.CopyRect(Bounds(-2, 0, w, h), c, Bounds(0, 0, w, h));
    c.Brush().SetColor(clBlack);
    c.FillRect(TRect{w - 2, 0, w, h});
    c.Pen().SetColor(clGreen);
    GridRows(c, -1);
    FGridCounter += 5;
    if (FGridCounter == 30) {
        FGridCounter = 0;
        c.MoveTo(w - 1, 0);
        c.LineTo(w - 1, h);
    }
    const int level = RowOf(Level);
    c.Pen().SetColor(clRed);
    c.MoveTo(c.PenPos().X - 3, level);
    c.LineTo(w, level);
    const int second = RowOf(Second);
    c.Pen().SetColor(clAqua);
    c.MoveTo(w - 3, FLastSecondY);
    c.LineTo(w - 1, second);
    FLastSecondY = second;
    const int main = RowOf(Main);
    c.Pen().SetColor(FPlotColor);
    c.MoveTo(w - 3, FLastMainY);
    c.LineTo(w - 1, main);
    FLastMainY = main;
}
