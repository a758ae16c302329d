#pragma once
// The system colours that bitmaps are drawn with. Window canvases ask the
// system itself; bitmaps use this table, which starts as the classic Windows
// scheme and which the Windows layer fills from the running system.
#include "core/Graphics.h"

constexpr int SystemColorCount = 31;

// The plain colour of a system colour index; black outside the table.
TColor SystemColorRGB(int Index);
void SetSystemColorRGB(int Index, TColor Value);
void ResetSystemColors();

// A system colour through the table, clNone as white (GDI takes its low
// 24 bits), any other colour as it is.
TColor TableColorToRGB(TColor Color);
