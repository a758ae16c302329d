#pragma once
// The same drawing done by GDI on a DIB section and by the software raster
// on a bitmap, with the pixels of both at hand for comparison.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/GdiCanvas.h"
#include "ui/Bitmap.h"

using TDrawing = std::function<void(TCanvas&)>;

class TGdiSurface {
public:
    TGdiSurface(int Width, int Height);
    ~TGdiSurface();
    TGdiSurface(const TGdiSurface&) = delete;
    TGdiSurface& operator=(const TGdiSurface&) = delete;

    TCanvas& Canvas() { return FCanvas; }
    uint32_t Pixel(int X, int Y) const;

private:
    int FWidth;
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
    uint32_t* FBits = nullptr;
    TGdiCanvas FCanvas;
};

// Both start white; empty when every pixel (and every GetPixel answer,
// inside and just outside) agrees, else a description of the differences.
std::string CompareDrawings(int Width, int Height, const TDrawing& Draw);
