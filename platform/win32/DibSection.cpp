#include "platform/win32/DibSection.h"

#include <cstring>

#include "ui/Bitmap.h"

HBITMAP CreateDibSection(const TBitmap& Bitmap) {
    if (Bitmap.Empty()) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = Bitmap.Width();
    info.bmiHeader.biHeight = -Bitmap.Height();  // top-down, as TBitmap keeps them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (handle) std::memcpy(bits, Bitmap.ScanLine(0), static_cast<size_t>(Bitmap.Width()) * Bitmap.Height() * 4);
    return handle;
}
