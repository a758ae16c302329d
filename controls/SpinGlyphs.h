#pragma once
// The pictures of the spin buttons, "SpinUp" and "SpinDown": small black
// arrows on a transparent background, kept as data.
#include "ui/Bitmap.h"

// Fills Target with the named glyph; leaves it empty for an unknown name.
void LoadSpinGlyph(const char* Name, TBitmap& Target);
