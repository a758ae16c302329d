#include "controls/SkinGlyphs.h"

#include "controls/MaskedBitmap.h"

namespace {

// A compressed picture keeps its mask's white only near white.
bool Light(uint32_t Pixel) {
    return ((Pixel >> 16) & 0xFF) > 127 && ((Pixel >> 8) & 0xFF) > 127 && (Pixel & 0xFF) > 127;
}

}  // namespace

void CutGlyph(const TBitmap& Strip, int Index, TBitmap& Glyph) {
    const int size = Strip.Height() / 2, left = Index * size;
    if (size <= 0 || Index < 0 || left + size > Strip.Width()) {
        Glyph.SetSize(0, 0);
        return;
    }
    MakeMaskedBitmap(
        Glyph, size, size, [&](int x, int y) { return Strip.ScanLine(y)[left + x]; },
        [&](int x, int y) { return Light(Strip.ScanLine(size + y)[left + x]); });
}
