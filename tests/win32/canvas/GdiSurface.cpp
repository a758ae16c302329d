#include "GdiSurface.h"

#include <sstream>

#include "ui/Bitmap.h"

namespace {

class TGdiSurface {
public:
    TGdiSurface(int Width, int Height) : FWidth(Width), FDC(CreateCompatibleDC(nullptr)), FCanvas(FDC) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        FBits = static_cast<uint32_t*>(bits);
        FOld = SelectObject(FDC, FBitmap);
        std::fill(FBits, FBits + Width * Height, 0xFFFFFF);
    }
    ~TGdiSurface() {
        SelectObject(FDC, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    TCanvas& Canvas() { return FCanvas; }
    uint32_t Pixel(int X, int Y) const {
        GdiFlush();
        return FBits[Y * FWidth + X] & 0xFFFFFF;
    }

private:
    int FWidth;
    HDC FDC;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FOld = nullptr;
    uint32_t* FBits = nullptr;
    TGdiCanvas FCanvas;
};

char Symbol(uint32_t Pixel) { return Pixel == 0xFFFFFF ? '.' : Pixel == 0 ? '#' : 'o'; }

}  // namespace

std::string CompareDrawings(int Width, int Height, const TDrawing& Draw) {
    TGdiSurface gdi(Width, Height);
    TBitmap raster(Width, Height);
    Draw(gdi.Canvas());
    Draw(raster.Canvas());

    std::ostringstream out;
    std::string pictures = "GDI | raster ('.' white, '#' black, 'o' other, '!' where they differ)\n";
    bool differ = false;
    for (int y = 0; y < Height; ++y) {
        std::string left, right;
        for (int x = 0; x < Width; ++x) {
            const uint32_t g = gdi.Pixel(x, y), r = raster.ScanLine(y)[x];
            differ |= g != r;
            left += Symbol(g);
            right += g == r ? Symbol(r) : '!';
        }
        pictures += left + " | " + right + '\n';
    }
    if (differ) out << pictures;
    for (TPoint p : {TPoint{0, 0}, {Width - 1, Height - 1}, {-1, 0}, {Width, 0}, {0, Height}, {0, -1}})
        if (gdi.Canvas().Pixels(p.X, p.Y) != raster.Canvas().Pixels(p.X, p.Y))
            out << "Pixels(" << p.X << ", " << p.Y << "): GDI " << std::hex << gdi.Canvas().Pixels(p.X, p.Y) << ", raster "
                << raster.Canvas().Pixels(p.X, p.Y) << std::dec << '\n';
    return out.str();
}
