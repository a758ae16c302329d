#pragma once
// Bitmaps handed to Windows: a 32-bit top-down DIB section with a copy of
// the pixels, for memory DCs, image lists, icons and picture controls.
#include <windows.h>

class TBitmap;

// nullptr for an empty bitmap or when the system refuses; the caller
// deletes the handle with DeleteObject.
HBITMAP CreateDibSection(const TBitmap& Bitmap);
