#pragma once
// Glyphs for text drawn into bitmaps. Device canvases draw text with the
// system; a bitmap's canvas hands the renderer the block of its pixels that
// the text may reach, and the renderer draws the text there. The Windows
// layer installs a renderer that draws with the system's fonts onto those
// very pixels, so that text in a bitmap is the system's, to the pixel.
#include <cstdint>
#include <string_view>

#include "core/Graphics.h"
#include "ui/Font.h"

struct TTextMetric {
    int Height = 0;  // of a line
    int Ascent = 0;  // from the top of a line to the base line
};

// Pixels as a bitmap keeps them (0x00RRGGBB, rows top-down), Stride pixels
// from one row to the next.
struct TPixelBlock {
    uint32_t* Pixels;
    int Width;
    int Height;
    int Stride;
};

class TTextRenderer {
public:
    virtual ~TTextRenderer() = default;
    virtual TSize Extent(const TFont& Font, std::string_view Text) = 0;
    virtual TTextMetric Metric(const TFont& Font) = 0;
    // Draws Text with the top-left corner of its cell at (X, Y) of Block, its
    // glyphs in Ink, over the cell filled with *Background when one is given;
    // nothing outside Block changes.
    virtual void Draw(const TFont& Font, std::string_view Text, int X, int Y, uint32_t Ink, const uint32_t* Background,
                      const TPixelBlock& Block) = 0;
};

// The renderer that bitmaps draw text with: the one set, or else a
// fixed-pitch stand-in (cells as high as the font's pixel height and half as
// wide, each character but the blank a box that leaves its cell's last
// column free) where no system renderer is at hand, as in the portable tests.
TTextRenderer& TextRenderer();
// nullptr puts the stand-in back.
void SetTextRenderer(TTextRenderer* Renderer);
