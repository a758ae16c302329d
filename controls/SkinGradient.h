#pragma once
// The vertical gradients of the skinned controls: bands of colours from a
// top colour to a bottom one, optionally dithered at the bands' edges so that
// they blend, built once into a bitmap that painting copies.
#include <vector>

#include "ui/Bitmap.h"

// Count colours from From to To (plain colours), each channel stepping by
// (To - From) / (Count - 1), rounded to the nearest, halves to even.
std::vector<TColor> GradientColors(TColor From, TColor To, int Count);

// Makes Target Width x Height and fills it with Bands bands from From to To
// (system colours resolved), band i on rows MulDiv(i, Height, Bands) to
// MulDiv(i + 1, Height, Bands) - 1. With Dither, each band's top rows take
// scattered pixels of the band above, in a 16-column pattern repeated across
// the width; the pattern's generator starts afresh at every build, so the
// same gradient always has the same pixels.
void BuildGradient(TBitmap& Target, int Width, int Height, TColor From, TColor To, int Bands, bool Dither);
