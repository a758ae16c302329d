#pragma once
// Small pictures kept as one JPEG strip, as the icon generator draws them:
// square images side by side in the top half, their masks below them, where
// light pixels mark the transparent ones. JPEG knows no transparency, and a
// mask read as light or dark comes through its compression unchanged.
#include <cstdint>
#include <span>

class TBitmap;
class TImageList;

// Image Index of Strip (as wide as half the strip is high) and its mask,
// white where transparent; false, with both left alone, when Strip has no
// such image.
bool CutMaskedImage(const TBitmap& Strip, int Index, TBitmap& Image, TBitmap& Mask);

// Adds every image of the strip to Images, which must have the strip's
// image size; a damaged strip, or one of another size, adds none (the window
// works without its pictures).
void AddMaskedStrip(TImageList& Images, std::span<const uint8_t> Jpeg);
