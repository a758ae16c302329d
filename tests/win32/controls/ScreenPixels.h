#pragma once
// What a window shows, read back from the screen, and how it compares with
// what the software raster draws.
#include <windows.h>

#include <string>

#include "ui/Bitmap.h"

// The pixels of Area of Wnd's client area, as the window shows them.
void CaptureClient(HWND Wnd, const TRect& Area, TBitmap& Target);
// Empty when both pictures are the same; else the number of pixels that
// differ and where the first few are, with both colours.
std::string Differences(const TBitmap& Shown, const TBitmap& Drawn);
