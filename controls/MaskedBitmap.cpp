#include "controls/MaskedBitmap.h"

#include <algorithm>
#include <vector>

void MakeMaskedBitmap(TBitmap& Target, int Width, int Height, const std::function<uint32_t(int, int)>& Pixel,
                      const std::function<bool(int, int)>& Clear) {
    Target.SetSize(Width, Height);
    std::vector<uint32_t> used;
    for (int y = 0; y < Target.Height(); ++y)
        for (int x = 0; x < Target.Width(); ++x)
            if (!Clear(x, y)) used.push_back(Target.ScanLine(y)[x] = Pixel(x, y) & 0xFFFFFF);
    std::sort(used.begin(), used.end());
    uint32_t key = 0xFF00FF;  // magenta, or the nearest colour below it that is free
    while (std::binary_search(used.begin(), used.end(), key)) --key;
    for (int y = 0; y < Target.Height(); ++y)
        for (int x = 0; x < Target.Width(); ++x)
            if (Clear(x, y)) Target.ScanLine(y)[x] = key;
    Target.SetTransparentColor(PixelToColor(key));
    Target.SetTransparent(true);
}
