#include "platform/win32/GdiTextRenderer.h"

#include <cstring>

#include "platform/win32/GdiCanvas.h"
#include "ui/Bitmap.h"

// The font held before may go with the new one's taking: it leaves the DC first.
void TGdiTextRenderer::SelectFont(const TFont& Font) {
    SelectObject(FDC, GetStockObject(SYSTEM_FONT));
    SelectObject(FDC, FFont.Get(Font));
}

TSize TGdiTextRenderer::Extent(const TFont& Font, std::string_view Text) {
    SelectFont(Font);
    SIZE size{};
    GetTextExtentPoint32A(FDC, Text.data(), static_cast<int>(Text.size()), &size);
    return {size.cx, size.cy};
}

TTextMetric TGdiTextRenderer::Metric(const TFont& Font) {
    SelectFont(Font);
    TEXTMETRICA metric{};
    GetTextMetricsA(FDC, &metric);
    return {metric.tmHeight, metric.tmAscent};
}

void TGdiTextRenderer::Draw(const TFont& Font, std::string_view Text, int X, int Y, uint32_t Ink,
                            const uint32_t* Background, const TPixelBlock& Block) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), Block.Width, -Block.Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) return;
    auto* pixels = static_cast<uint32_t*>(bits);
    const size_t rowBytes = static_cast<size_t>(Block.Width) * sizeof(uint32_t);
    for (int y = 0; y < Block.Height; ++y)
        std::memcpy(pixels + static_cast<size_t>(y) * Block.Width, Block.Pixels + static_cast<size_t>(y) * Block.Stride, rowBytes);
    HGDIOBJ oldBitmap = SelectObject(FDC, dib);
    SelectFont(Font);
    SetTextColor(FDC, PixelToColor(Ink));
    SetBkMode(FDC, Background ? OPAQUE : TRANSPARENT);
    if (Background) SetBkColor(FDC, PixelToColor(*Background));
    SetTextAlign(FDC, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ExtTextOutA(FDC, X, Y, 0, nullptr, Text.data(), static_cast<UINT>(Text.size()), nullptr);
    GdiFlush();
    for (int y = 0; y < Block.Height; ++y)
        std::memcpy(Block.Pixels + static_cast<size_t>(y) * Block.Stride, pixels + static_cast<size_t>(y) * Block.Width, rowBytes);
    SelectObject(FDC, oldBitmap);
    DeleteObject(dib);
}

void PrepareDrawing() {
    static TGdiTextRenderer renderer;
    LoadSystemColors();
    HDC screen = GetDC(nullptr);
    SetScreenPixelsPerInch(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    SetTextRenderer(&renderer);
}
