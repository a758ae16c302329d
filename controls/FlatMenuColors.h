#pragma once
// The colours of the flat menus: the tools that derive one colour from
// another, and the set of colours an item is drawn with.
#include "core/Graphics.h"

// Plain colours in, plain colours out.
// Each channel x moves Percent (at most 100) of the way to white:
// x + round((255 - x) * Percent / 100).
TColor Lighten(TColor Color, int Percent);
// Red and blue less Amount, green less Amount - 2, each kept to 0..255; a
// negative amount brightens.
TColor Darken(TColor Color, int Amount);
// The grey Percent (at most 100) + (r + g + b) / 3, at most 240.
TColor Grey(TColor Color, int Percent);

// What an item is drawn with, as plain colours, and whether the screen has
// more than 15 bits per pixel (icons fade and cast shadows only then).
struct TFlatMenuColors {
    bool ManyColours;
    TColor Background;
    TColor IconColumn;
    TColor Selection;
    TColor SelectionBorder;
    TColor SelectionText;
    TColor MenuBar;
    TColor DisabledText;
    TColor CheckedBorder;
    TColor Separator;
    TColor CheckedArea;
    TColor CheckedAreaSelected;
    TColor MenuBorder;
    TColor MenuShadow;
};
