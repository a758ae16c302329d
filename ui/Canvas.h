#pragma once
// A drawing surface with GDI's rules: one-pixel pens that leave out a line's
// end point, rectangles whose right and bottom edges are exclusive, block
// copies that may overlap. TGdiCanvas draws on a Windows device context,
// TRasterCanvas into a TBitmap's pixels; both give the same pixels.
#include <cstdint>
#include <string_view>

#include "core/Graphics.h"
#include "ui/Font.h"
#include "ui/TextLayout.h"
#include "ui/TextRenderer.h"

// <windows.h> maps this name onto DrawTextA; see platform/MessageQueue.h.
#undef DrawText

class TBitmap;

// GetPixel's answer for a point outside the surface.
constexpr TColor clInvalid = 0xFFFFFFFF;

enum TPenStyle : uint8_t { psSolid, psClear };
enum TBrushStyle : uint8_t { bsSolid, bsClear };

// Pens are always one pixel wide.
class TPen {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value) { FStyle = Value; }

private:
    TColor FColor = clBlack;
    TPenStyle FStyle = psSolid;
};

class TBrush {
public:
    TColor Color() const { return FColor; }
    // clNone clears the brush; any other colour makes a clear brush solid.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value) { FStyle = Value; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    const TPen& Pen() const { return FPen; }
    const TBrush& Brush() const { return FBrush; }
    // The font that text is drawn in, in its colour; with a solid brush the
    // text's cells are filled with the brush first, with a clear one the
    // glyphs go straight over what is there.
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }

    TPoint PenPos() const { return FPenPos; }
    void MoveTo(int X, int Y) { FPenPos = {X, Y}; }
    // Draws from the pen position to (X, Y), that point excluded, and moves
    // the pen there.
    void LineTo(int X, int Y);

    // clInvalid outside the surface.
    virtual TColor Pixels(int X, int Y) const = 0;
    virtual void SetPixels(int X, int Y, TColor Color) = 0;

    // With the brush, right and bottom edges excluded. A turned-over side
    // reaches back from its start, the start included, as GDI's block fills.
    virtual void FillRect(const TRect& Rect) = 0;
    // A one-pixel frame with the brush, on the outermost rows and columns.
    virtual void FrameRect(const TRect& Rect) = 0;
    // Outline with the pen, inside filled with the brush. Without a pen the
    // filled area is one pixel narrower and lower, as GDI does it.
    virtual void Rectangle(const TRect& Rect) = 0;
    // Corners are quarters of an ellipse EllipseWidth x EllipseHeight (cut to
    // the rectangle; under 3 pixels a plain Rectangle). The inside is GDI's
    // rounded region, full size with or without a pen.
    virtual void RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) = 0;

    // Copies (stretching when the sizes differ, nearest pixel) the part of a
    // bitmap's canvas, or of this canvas, to Dest; overlapping copies within
    // one canvas are safe. Pixels whose source lies outside the source are
    // left alone. Mirroring (negative sizes) is not supported.
    virtual void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) = 0;
    // The whole bitmap, at its size or stretched; a transparent bitmap lets
    // the canvas show where its pixels have its transparent colour.
    void Draw(int X, int Y, const TBitmap& Bitmap);
    void StretchDraw(const TRect& Dest, const TBitmap& Bitmap);

    // Text: one line at (X, Y), its top-left corner; the same cut to Clip.
    void TextOut(int X, int Y, std::string_view Text) { DrawTextLine(X, Y, Text, nullptr); }
    void TextRect(const TRect& Clip, int X, int Y, std::string_view Text) { DrawTextLine(X, Y, Text, &Clip); }
    virtual TSize TextExtent(std::string_view Text) const = 0;
    int TextWidth(std::string_view Text) const { return TextExtent(Text).Width; }
    int TextHeight(std::string_view Text) const { return TextExtent(Text).Height; }
    virtual TTextMetric TextMetric() const = 0;
    // Lays Text out in Rect by the TTextFormat flags and draws it (cut to
    // Rect unless tfNoClip), underlining the accelerator in the font's
    // colour. Returns the extent of the lines; with tfCalcRect it only
    // measures.
    TRect DrawText(const TRect& Rect, std::string_view Text, unsigned Format);

    // The dotted frame that marks the keyboard focus: every other pixel of
    // the outermost rows and columns, from the top-left corner on, in black.
    void DrawFocusRect(const TRect& Rect);

    // The area that drawing can reach.
    virtual TRect ClipRect() const = 0;
    // A system colour resolved the way this canvas draws it, clNone as white.
    virtual TColor ColorToRGB(TColor Color) const = 0;
    // The colour the device shows for Color (resolved first): the nearest one
    // of its palette; any colour itself on a surface of true colours.
    virtual TColor NearestColor(TColor Color) const { return ColorToRGB(Color); }
    // The bitmap a raster canvas draws into; nullptr for a device.
    virtual const TBitmap* Bitmap() const { return nullptr; }

protected:
    virtual void Line(TPoint From, TPoint To) = 0;
    virtual void DrawTextLine(int X, int Y, std::string_view Text, const TRect* Clip) = 0;
    // Copies the whole of Source to Dest except the pixels of the plain
    // colour Transparent.
    virtual void CopyTransparent(const TRect& Dest, const TBitmap& Source, TColor Transparent) = 0;

private:
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    TPoint FPenPos;
};
