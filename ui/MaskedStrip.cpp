#include "news/NewsPictures.h"

#include "ui/Bitmap.h"
#include "ui/ImageList.h"
#include "ui/Jpeg.h"

namespace {
bool Light(uint32_t Pixel) { return (Pixel >> 16 & 0xFF) + (Pixel >> 8 & 0xFF) + (Pixel & 0xFF) >= 3 * 128; }
}  // namespace

void AddMaskedStrip(TImageList& Images, std::span<const uint8_t> Jpeg) {
    TBitmap strip;
    try {
        LoadJpeg(strip, Jpeg);
    } catch (const EJpegError&) {
        return;
    }
    const int width = Images.Width(), height = Images.Height();
    if (strip.Height() < 2 * height) return;
    for (int left = 0; left + width <= strip.Width(); left += width) {
        TBitmap picture(width, height), mask(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                picture.ScanLine(y)[x] = strip.ScanLine(y)[left + x];
                mask.ScanLine(y)[x] = Light(strip.ScanLine(height + y)[left + x]) ? 0xFFFFFF : 0;
            }
        }
        Images.Add(picture, &mask);
    }
}
