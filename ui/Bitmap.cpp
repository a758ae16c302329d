#include "ui/Bitmap.h"

#include <algorithm>
#include <string>

void TBitmap::SetSize(int Width, int Height) {
    Width = std::max(Width, 0);
    Height = std::max(Height, 0);
    if (Width == FWidth && Height == FHeight) return;
    if (static_cast<uint64_t>(Width) * static_cast<uint64_t>(Height) > MaxPixels)
        throw EBitmapTooLarge("bitmap too large: " + std::to_string(Width) + " x " + std::to_string(Height));
    std::vector<uint32_t> pixels(static_cast<size_t>(Width) * Height, ColorToPixel(clWhite));
    const int keepWidth = std::min(Width, FWidth), keepHeight = std::min(Height, FHeight);
    for (int y = 0; y < keepHeight; ++y) std::copy_n(ScanLine(y), keepWidth, pixels.data() + static_cast<size_t>(y) * Width);
    FPixels = std::move(pixels);
    FWidth = Width;
    FHeight = Height;
    Changed();
}

void TBitmap::Assign(const TBitmap& Source) {
    if (&Source == this) return;
    FPixels = Source.FPixels;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
    FTransparent = Source.FTransparent;
    FTransparentColor = Source.FTransparentColor;
    Changed();
}

void TBitmap::SetTransparent(bool Value) {
    FTransparent = Value;
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentColor != clNone || Empty()) return FTransparentColor;
    return PixelToColor(ScanLine(FHeight - 1)[0]);
}

void TBitmap::SetTransparentColor(TColor Value) {
    FTransparentColor = Value;
    Changed();
}
