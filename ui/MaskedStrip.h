#pragma once
// Small pictures kept as one JPEG strip: the images side by side in the top
// half, their masks below them, where light pixels mark the transparent
// ones. JPEG knows no transparency, and a mask read as light or dark comes
// through its compression unchanged.
#include <cstdint>
#include <span>

class TImageList;

// Adds every image of the strip to Images, at Images's size; a damaged or
// too small strip adds none (the window works without its pictures).
void AddMaskedStrip(TImageList& Images, std::span<const uint8_t> Jpeg);
