#pragma once
// The skinned buttons' glyphs as the picture generator draws them: square
// pictures side by side over their masks (white where transparent), in the
// order of TSkinGlyph.
#include "ui/Bitmap.h"

enum TSkinGlyph { sgOptimise, sgCancel, sgQuit, sgSave, sgRefresh, sgLiveInfo };

// Makes Glyph picture Index of Strip, its transparent pixels in a colour
// that none of its other pixels has, which becomes its transparent colour.
// Leaves Glyph empty when Strip has no such picture.
void CutGlyph(const TBitmap& Strip, int Index, TBitmap& Glyph);
