#include "PixelPicture.h"

std::vector<std::string> Picture(const TBitmap& Bitmap) {
    std::vector<std::string> rows;
    for (int y = 0; y < Bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < Bitmap.Width(); ++x) {
            const TColor c = Bitmap.Canvas().Pixels(x, y);
            row += c == clWhite ? '.' : c == clBlack ? '#' : c == TestGrey ? 'o' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

void Blank(TBitmap& Bitmap, int Width, int Height) {
    Bitmap.SetSize(Width, Height);
    Bitmap.Canvas().Brush().SetColor(clWhite);
    Bitmap.Canvas().FillRect(Bounds(0, 0, Width, Height));
}
