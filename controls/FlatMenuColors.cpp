#include "controls/FlatMenuColors.h"

#include <algorithm>

#include "core/Rounding.h"

namespace {

int Channel(TColor Color, int Shift) { return static_cast<int>((Color >> Shift) & 0xFF); }

TColor FromChannels(int Red, int Green, int Blue) {
    auto clamp = [](int x) { return static_cast<TColor>(std::clamp(x, 0, 255)); };
    return clamp(Red) | clamp(Green) << 8 | clamp(Blue) << 16;
}

}  // namespace

TColor Lighten(TColor Color, int Percent) {
    const int p = std::min(Percent, 100);
    auto lighter = [p](int x) { return x + static_cast<int>(RoundHalfEven((255.0 - x) * p / 100)); };
    return FromChannels(lighter(Channel(Color, 0)), lighter(Channel(Color, 8)), lighter(Channel(Color, 16)));
}

TColor Darken(TColor Color, int Amount) {
    return FromChannels(Channel(Color, 0) - Amount, Channel(Color, 8) - Amount + 2, Channel(Color, 16) - Amount);
}

TColor Grey(TColor Color, int Percent) {
    const int p = std::min(Percent, 100);
    const int g = std::min(p + (Channel(Color, 0) + Channel(Color, 8) + Channel(Color, 16)) / 3, 240);
    return FromChannels(g, g, g);
}
