#include "ui/Icon.h"

#include "ui/ImageList.h"

void TIcon::AssignBitmap(const TBitmap& Picture, TColor TransparentColor) {
    FPicture.Assign(Picture);
    FPicture.SetTransparent(false);
    FTransparent.assign(static_cast<size_t>(Width()) * Height(), false);
    if (TransparentColor != clNone) {
        const uint32_t key = ColorToPixel(Picture.Canvas().ColorToRGB(TransparentColor));
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                FTransparent[static_cast<size_t>(y) * Width() + x] = (Picture.ScanLine(y)[x] & 0xFFFFFF) == key;
    }
    OnChange(this);
}

void TIcon::Assign(const TIcon& Source) {
    FPicture.Assign(Source.FPicture);
    FTransparent = Source.FTransparent;
    OnChange(this);
}

void TIcon::AssignImage(const TImageList& List, int Index) {
    FPicture.Assign(List.Image(Index));
    FTransparent.assign(static_cast<size_t>(Width()) * Height(), false);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x) FTransparent[static_cast<size_t>(y) * Width() + x] = List.IsTransparent(Index, x, y);
    OnChange(this);
}

void TIcon::Clear() {
    FPicture.SetSize(0, 0);
    FTransparent.clear();
    OnChange(this);
}
