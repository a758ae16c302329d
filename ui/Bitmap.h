#pragma once
// An off-screen picture: 32-bit pixels laid out as a top-down Windows DIB
// (0x00RRGGBB per pixel, the top row first), so that the Windows layer hands
// them to the system as they are. Drawing goes through Canvas(); every
// change of the picture calls OnChange.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "core/Events.h"
#include "ui/RasterCanvas.h"

// A colour value (0x00BBGGRR) as a pixel (0x00RRGGBB), and back.
constexpr uint32_t ColorToPixel(TColor Rgb) {
    return ((Rgb & 0xFF) << 16) | (Rgb & 0xFF00) | ((Rgb >> 16) & 0xFF);
}
constexpr TColor PixelToColor(uint32_t Pixel) { return ColorToPixel(Pixel & 0xFFFFFF); }

class EBitmapTooLarge : public std::length_error {
public:
    using std::length_error::length_error;
};

class TBitmap : public TObject {
public:
    TBitmap() = default;
    TBitmap(int Width, int Height) { SetSize(Width, Height); }
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    // Keeps the pixels that stay inside; new ones are white. Negative
    // sizes count as 0. A picture of more than MaxPixels pixels, which a
    // 32-bit program could not even address, throws EBitmapTooLarge and
    // leaves the bitmap as it was.
    void SetSize(int Width, int Height);
    static constexpr uint64_t MaxPixels = 64u * 1024 * 1024;
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    void SetHeight(int Value) { SetSize(FWidth, Value); }
    // Takes the other picture's size, pixels and transparency.
    void Assign(const TBitmap& Source);

    // A transparent bitmap is drawn without the pixels of its transparent
    // colour: the one set, or by default (clNone) its bottom-left pixel's.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value);

    TCanvas& Canvas() { return FCanvas; }
    const TCanvas& Canvas() const { return FCanvas; }

    uint32_t* ScanLine(int Y) { return FPixels.data() + static_cast<size_t>(Y) * FWidth; }
    const uint32_t* ScanLine(int Y) const { return FPixels.data() + static_cast<size_t>(Y) * FWidth; }
    // Who writes pixels through ScanLine calls this when done.
    void Changed() { OnChange(this); }

    TNotifyEvent OnChange;

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<uint32_t> FPixels;
    bool FTransparent = false;
    TColor FTransparentColor = clNone;
    TRasterCanvas FCanvas{*this};
};
