#include "GdiSurface.h"

#include <sstream>

namespace {

char Symbol(uint32_t Pixel) {
    switch (Pixel & 0xFFFFFF) {
        case 0xFFFFFF: return '.';
        case 0x000000: return '#';
        default: return 'o';
    }
}

}  // namespace

TGdiSurface::TGdiSurface(int Width, int Height)
    : FWidth(Width), FDC(CreateCompatibleDC(nullptr)), FBitmap(nullptr), FOld(nullptr), FCanvas(FDC) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    FBits = static_cast<uint32_t*>(bits);
    FOld = SelectObject(FDC, FBitmap);
    for (int i = 0; i < Width * Height; ++i) FBits[i] = 0xFFFFFF;
}

TGdiSurface::~TGdiSurface() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
}

uint32_t TGdiSurface::Pixel(int X, int Y) const {
    GdiFlush();
    return FBits[Y * FWidth + X] & 0xFFFFFF;
}

std::string CompareDrawings(int Width, int Height, const TDrawing& Draw) {
    TGdiSurface gdi(Width, Height);
    TBitmap raster(Width, Height);
    Draw(gdi.Canvas());
    Draw(raster.Canvas());

    std::ostringstream out;
    bool differ = false;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) differ |= gdi.Pixel(x, y) != raster.ScanLine(y)[x];
    if (differ) {
        out << "GDI | raster ('.' white, '#' black, 'o' other, '!' where they differ)\n";
        for (int y = 0; y < Height; ++y) {
            std::string left, right;
            for (int x = 0; x < Width; ++x) {
                const uint32_t g = gdi.Pixel(x, y), r = raster.ScanLine(y)[x];
                left += Symbol(g);
                right += g == r ? Symbol(r) : '!';
            }
            out << left << " | " << right << '\n';
        }
    }
    for (TPoint p : {TPoint{0, 0}, {Width - 1, Height - 1}, {-1, 0}, {Width, 0}, {0, Height}, {0, -1}})
        if (gdi.Canvas().Pixels(p.X, p.Y) != raster.Canvas().Pixels(p.X, p.Y))
            out << "Pixels(" << p.X << ", " << p.Y << "): GDI " << std::hex << gdi.Canvas().Pixels(p.X, p.Y) << ", raster "
                << raster.Canvas().Pixels(p.X, p.Y) << std::dec << '\n';
    return out.str();
}
