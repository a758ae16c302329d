#pragma once
// How a text is laid out in a rectangle: its lines, where each starts, and
// which character of it the accelerator prefix underlines. The canvas draws
// what this gives, so that the layout is the same on every canvas and can
// be checked without Windows.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Graphics.h"

enum TTextFormat : unsigned {
    tfLeft = 0,
    tfCenter = 0x1,
    tfRight = 0x2,
    tfVCenter = 0x4,     // the block of lines centred in the height
    tfBottom = 0x8,      // the block of lines at the bottom
    tfWordBreak = 0x10,  // lines break between words that would pass the right edge
    tfSingleLine = 0x20, // carriage returns and line feeds do not break lines
    tfEndEllipsis = 0x40,  // a line too wide ends in "..." within the width
    tfNoPrefix = 0x80,     // "&" is an ordinary character
    tfNoClip = 0x100,      // the text may pass the rectangle
    tfCalcRect = 0x200,    // only measure
};

struct TTextLine {
    int X = 0;
    int Y = 0;
    std::string Text;
    int Underline = -1;  // index in Text of the accelerator character, or -1
    friend bool operator==(const TTextLine&, const TTextLine&) = default;
};

struct TTextBlock {
    std::vector<TTextLine> Lines;
    // Rect's left and top, reaching right to the widest line and down to the
    // last one.
    TRect Extent;
};

using TTextWidth = std::function<int(std::string_view)>;

// Unless tfNoPrefix: "&&" is one "&", "&" before a character marks that
// character (the first such one is underlined) and is not shown. Lines break
// at a carriage return, a line feed or the pair, unless tfSingleLine; with
// tfWordBreak, also at the blanks before a word that would pass the width
// (a word wider than the whole width stands alone on its line).
TTextBlock LayoutText(std::string_view Text, const TRect& Rect, unsigned Format, int LineHeight,
                      const TTextWidth& Width);
