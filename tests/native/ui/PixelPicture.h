#pragma once
// Small bitmaps written as text, one string per row, so that expected
// drawings can be read: '.' white, '#' black, 'o' grey, '?' anything else.
#include <string>
#include <vector>

#include "ui/Bitmap.h"

constexpr TColor TestGrey = 0x808080;

inline std::vector<std::string> Picture(const TBitmap& Bitmap) {
    std::vector<std::string> rows(Bitmap.Height());
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x) {
            const TColor c = Bitmap.Canvas().Pixels(x, y);
            rows[y] += c == clWhite ? '.' : c == clBlack ? '#' : c == TestGrey ? 'o' : '?';
        }
    return rows;
}

// A white bitmap of that size.
inline void Blank(TBitmap& Bitmap, int Width, int Height) {
    Bitmap.SetSize(Width, Height);
    Bitmap.Canvas().Brush().SetColor(clWhite);
    Bitmap.Canvas().FillRect(Bounds(0, 0, Width, Height));
}
