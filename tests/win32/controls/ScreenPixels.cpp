#include "tests/win32/controls/ScreenPixels.h"

#include <cstdio>

void CaptureClient(HWND Wnd, const TRect& Area, TBitmap& Target) {
    const int w = Area.Width(), h = Area.Height();
    Target.SetSize(w, h);
    HDC window = GetDC(Wnd);
    HDC memory = CreateCompatibleDC(window);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, window, Area.Left, Area.Top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) Target.ScanLine(y)[x] = pixels[y * w + x] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(Wnd, window);
}

std::string Differences(const TBitmap& Shown, const TBitmap& Drawn) {
    if (Shown.Width() != Drawn.Width() || Shown.Height() != Drawn.Height()) return "sizes differ";
    int count = 0;
    std::string first;
    for (int y = 0; y < Shown.Height(); ++y)
        for (int x = 0; x < Shown.Width(); ++x) {
            const uint32_t s = Shown.ScanLine(y)[x] & 0xFFFFFF, d = Drawn.ScanLine(y)[x] & 0xFFFFFF;
            if (s == d) continue;
            if (++count > 8) continue;
            char text[64];
            std::snprintf(text, sizeof text, " (%d,%d) shown %06X drawn %06X", x, y, static_cast<unsigned>(s),
                          static_cast<unsigned>(d));
            first += text;
        }
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ:" + first;
}
