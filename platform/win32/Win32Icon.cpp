#include "platform/win32/Win32Icon.h"

#include <vector>

#include "platform/win32/DibSection.h"
#include "ui/Icon.h"

// The colour picture black where the icon is transparent, and a monochrome
// mask with those pixels set, as the system draws icons.
HICON CreateSystemIcon(const TIcon& Icon) {
    if (Icon.Empty()) return nullptr;
    const int w = Icon.Width(), h = Icon.Height(), stride = (w + 15) / 16 * 2;
    TBitmap picture;
    picture.Assign(Icon.Picture());
    std::vector<uint8_t> bits(static_cast<size_t>(stride) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (Icon.IsTransparent(x, y)) {
                picture.ScanLine(y)[x] = 0;
                bits[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
            }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = CreateDibSection(picture);
    info.hbmMask = CreateBitmap(w, h, 1, 1, bits.data());
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}
