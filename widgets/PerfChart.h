#pragma once
// A strip chart of percentages: every sample scrolls the picture two pixels
// to the left and draws, in the new strip at the right, two series and a
// level mark over a green grid on black. The history is only the picture's
// pixels; the chart holds as many samples as half its width.
#include <cstdint>

#include "ui/Image.h"

class TPerfChart : public TImage {
public:
    using TImage::TImage;

    // Clears the chart and draws the empty grid.
    void Init();
    // One sample: the main series (held within 0..100), the second series and
    // the level mark (drawn where they fall, cut by the picture's edges).
    void Plot(int32_t Main, int32_t Second, int32_t Level);
    TColor PlotColor() const { return FPlotColor; }
    void SetPlotColor(TColor Value) { FPlotColor = Value; }

private:
    // The picture, made the size of the control on first use.
    TCanvas& Surface();
    // The row of a percentage: 100 is row 1, 0 the row below the last.
    int RowOf(int32_t Percent) const;
    void GridRows(TCanvas& Canvas, int FromX);

    int32_t FGridCounter = 0;
    TColor FPlotColor = clLime;
    int32_t FLastMainY = 0;
    int32_t FLastSecondY = 0;
};
