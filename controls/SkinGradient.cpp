#include "controls/SkinGradient.h"

#include <cstdint>

#include "core/Rounding.h"

namespace {

// A linear congruential generator: small, and the same on every system.
class TDitherRandom {
public:
    // 0 .. Range - 1; 0 for a range of 0.
    int Next(int Range) {
        FSeed = FSeed * 0x08088405u + 1;
        return static_cast<int>((static_cast<uint64_t>(FSeed) * static_cast<uint32_t>(Range)) >> 32);
    }

private:
    uint32_t FSeed = 0;
};

constexpr int PatternWidth = 16;

int Channel(TColor Color, int Shift) { return static_cast<int>((Color >> Shift) & 0xFF); }

}  // namespace

std::vector<TColor> GradientColors(TColor From, TColor To, int Count) {
    std::vector<TColor> colors;
    for (int i = 0; i < Count; ++i) {
        TColor color = 0;
        for (int shift : {0, 8, 16}) {
            const int from = Channel(From, shift), to = Channel(To, shift);
            const double step = Count > 1 ? static_cast<double>(i) * (to - from) / (Count - 1) : 0.0;
            color |= static_cast<TColor>((from + RoundHalfEven(step)) & 0xFF) << shift;
        }
        colors.push_back(color);
    }
    return colors;
}

void BuildGradient(TBitmap& Target, int Width, int Height, TColor From, TColor To, int Bands, bool Dither) {
    Target.SetSize(Width, Height);
    if (Target.Empty() || Bands < 1) return;
    const int w = Target.Width(), h = Target.Height();
    TCanvas& canvas = Target.Canvas();
    const std::vector<TColor> colors = GradientColors(canvas.ColorToRGB(From), canvas.ColorToRGB(To), Bands);
    canvas.Brush().SetColor(colors.front());
    canvas.FillRect(Bounds(0, 0, w, h));
    std::vector<int> tops;
    for (int i = 0; i <= Bands; ++i) tops.push_back(MulDivRound(i, h, Bands));
    for (int i = 0; i < Bands; ++i) {
        canvas.Brush().SetColor(colors[i]);
        canvas.FillRect(TRect{0, tops[i], w, tops[i + 1]});
    }
    if (Dither && Bands > 1) {
        TDitherRandom random;
        for (int i = 1; i < Bands; ++i)
            for (int x = 0; x < PatternWidth; ++x)
                for (int j = 0; j <= h / (Bands - 1); ++j) canvas.SetPixels(x, tops[i] + random.Next(j), colors[i - 1]);
    }
    for (int k = 1; k <= w / PatternWidth; ++k)
        canvas.CopyRect(Bounds(k * PatternWidth, 0, PatternWidth, h), canvas, Bounds(0, 0, PatternWidth, h));
}
