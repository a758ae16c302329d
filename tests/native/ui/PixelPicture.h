#pragma once
// Small bitmaps written as text, one string per row, so that expected
// drawings can be read: '.' white, '#' black, 'o' grey, '?' anything else.
#include <string>
#include <vector>

#include "ui/Bitmap.h"

constexpr TColor TestGrey = 0x808080;

std::vector<std::string> Picture(const TBitmap& Bitmap);
// A white bitmap of that size.
void Blank(TBitmap& Bitmap, int Width, int Height);
