#include "ui/MaskedStrip.h"

#include "ui/Bitmap.h"
#include "ui/ImageList.h"
#include "ui/Jpeg.h"

namespace {
bool Light(uint32_t Pixel) { return (Pixel >> 16 & 0xFF) + (Pixel >> 8 & 0xFF) + (Pixel & 0xFF) >= 3 * 128; }
}  // namespace

bool CutMaskedImage(const TBitmap& Strip, int Index, TBitmap& Image, TBitmap& Mask) {
    const int size = Strip.Height() / 2, left = Index * size;
    if (size <= 0 || Index < 0 || left + size > Strip.Width()) return false;
    Image.SetSize(size, size);
    Mask.SetSize(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Image.ScanLine(y)[x] = Strip.ScanLine(y)[left + x];
            Mask.ScanLine(y)[x] = Light(Strip.ScanLine(size + y)[left + x]) ? 0xFFFFFF : 0;
        }
    }
    return true;
}

void AddMaskedStrip(TImageList& Images, std::span<const uint8_t> Jpeg) {
    TBitmap strip;
    try {
        LoadJpeg(strip, Jpeg);
    } catch (const EJpegError&) {
        return;
    }
    if (strip.Height() != 2 * Images.Height() || Images.Width() != Images.Height()) return;
    TBitmap image, mask;
    for (int i = 0; CutMaskedImage(strip, i, image, mask); ++i) Images.Add(image, &mask);
}
