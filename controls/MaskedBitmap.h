#pragma once
// Pictures with a mask, as bitmaps of one transparent colour: the colour is
// one that no opaque pixel has, so that none of them drops out.
#include <cstdint>
#include <functional>

#include "ui/Bitmap.h"

// Makes Target Width x Height: pixel (x, y) is Pixel(x, y) (0x00RRGGBB), or
// transparent where Clear(x, y). Target is transparent afterwards.
void MakeMaskedBitmap(TBitmap& Target, int Width, int Height, const std::function<uint32_t(int, int)>& Pixel,
                      const std::function<bool(int, int)>& Clear);
