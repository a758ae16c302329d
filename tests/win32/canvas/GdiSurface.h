#pragma once
// The same drawing done by GDI on a 32-bit DIB section and by the software
// raster on a bitmap, both starting white.
#include <functional>
#include <string>

#include "platform/win32/GdiCanvas.h"

using TDrawing = std::function<void(TCanvas&)>;

// Empty when every pixel, and every GetPixel answer inside and just outside,
// agrees; else both pictures with the differences marked.
std::string CompareDrawings(int Width, int Height, const TDrawing& Draw);
