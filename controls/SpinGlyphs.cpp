#include "controls/SpinGlyphs.h"

#include <cstring>
#include <initializer_list>

namespace {
struct TGlyph {
    const char* Name;
    std::initializer_list<const char*> Rows;  // '#' black, '.' transparent
};

const TGlyph Glyphs[] = {
    {"SpinUp", {"...#...", "..###..", ".#####.", "#######"}},
    {"SpinDown", {"#######", ".#####.", "..###..", "...#..."}},
};
}  // namespace

void LoadSpinGlyph(const char* Name, TBitmap& Target) {
    for (const TGlyph& glyph : Glyphs) {
        if (std::strcmp(glyph.Name, Name) != 0) continue;
        const int width = static_cast<int>(std::strlen(*glyph.Rows.begin()));
        Target.SetSize(width, static_cast<int>(glyph.Rows.size()));
        int y = 0;
        for (const char* row : glyph.Rows) {
            for (int x = 0; x < width; ++x) Target.Canvas().SetPixels(x, y, row[x] == '#' ? clBlack : clWhite);
            ++y;
        }
        Target.SetTransparentColor(clWhite);
        Target.SetTransparent(true);
        return;
    }
}
