#pragma once
// The free memory as the tray icon's 16 x 16 square shows it: at most three
// digits, so that no figure is ever cut.
#include <cstdint>
#include <string>

// Megabytes up to 999; from 1,000 gigabytes (MB / 1024) with one decimal
// below 10 ("1,5"), whole from 10; terabytes with a "T" from 1,000 GB.
// Halves go to the even neighbour, and a figure that would round to the
// next unit's threshold ("10,0", "1000") shows in that unit.
std::string TrayFigure(int64_t FreeMegabytes, char DecimalSeparator);
