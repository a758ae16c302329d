#include "controls/SkinGlyphs.h"

#include "controls/MaskedBitmap.h"
#include "ui/MaskedStrip.h"

void CutGlyph(const TBitmap& Strip, int Index, TBitmap& Glyph) {
    TBitmap image, mask;
    if (!CutMaskedImage(Strip, Index, image, mask)) {
        Glyph.SetSize(0, 0);
        return;
    }
    MakeMaskedBitmap(
        Glyph, image.Width(), image.Height(), [&](int x, int y) { return image.ScanLine(y)[x]; },
        [&](int x, int y) { return mask.ScanLine(y)[x] != 0; });
}
