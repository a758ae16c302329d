#include "ui/RasterCanvas.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/LinePixels.h"
#include "ui/RoundRectShape.h"
#include "ui/SystemColors.h"

namespace {

TRect Normalized(const TRect& r) {
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)};
}

// GDI's block fills take a negative size as reaching back from the start,
// the start included.
TRect BlockArea(const TRect& r) {
    TRect area = r;
    if (r.Right < r.Left) area.Left = r.Right + 1, area.Right = r.Left + 1;
    if (r.Bottom < r.Top) area.Top = r.Bottom + 1, area.Bottom = r.Top + 1;
    return area;
}

TRect Intersection(const TRect& a, const TRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// The source pixel that destination pixel Index of Length pixels shows when
// SourceLength pixels are stretched over them, as GDI's nearest-pixel
// stretch picks it. Enlarging: the one under the pixel's centre (the lower
// one on a boundary). Shrinking rows: the one nearest the pixel's top edge.
// Shrinking columns: the one half a source pixel before the pixel's right
// edge, and for a single column the last but one.
int SourceIndex(int Index, int Length, int SourceLength, bool Columns) {
    const int64_t d = Index, n = Length, s = SourceLength;
    if (n >= s) return static_cast<int>(((2 * d + 1) * s - 1) / (2 * n));
    if (!Columns) return static_cast<int>((2 * d * s + n) / (2 * n));
    if (n == 1) return SourceLength - 2;
    return static_cast<int>(((2 * d + 2) * s - n) / (2 * n));
}

}  // namespace

TColor TRasterCanvas::ColorToRGB(TColor Color) const { return TableColorToRGB(Color); }

uint32_t TRasterCanvas::PixelOf(TColor Color) const { return ColorToPixel(ColorToRGB(Color)); }

TRect TRasterCanvas::ClipRect() const { return Bounds(0, 0, FBitmap.Width(), FBitmap.Height()); }

TColor TRasterCanvas::Pixels(int X, int Y) const {
    if (!ClipRect().Contains({X, Y})) return clInvalid;
    return PixelToColor(FBitmap.ScanLine(Y)[X]);
}

void TRasterCanvas::SetPixels(int X, int Y, TColor Color) {
    Plot(X, Y, PixelOf(Color));
    FBitmap.Changed();
}

void TRasterCanvas::Plot(int X, int Y, uint32_t Pixel) {
    if (ClipRect().Contains({X, Y})) FBitmap.ScanLine(Y)[X] = Pixel;
}

void TRasterCanvas::Fill(TRect Area, uint32_t Pixel) {
    Area = Intersection(Area, ClipRect());
    if (Area.Right <= Area.Left) return;
    for (int y = Area.Top; y < Area.Bottom; ++y) std::fill(FBitmap.ScanLine(y) + Area.Left, FBitmap.ScanLine(y) + Area.Right, Pixel);
}

void TRasterCanvas::Line(TPoint From, TPoint To) {
    if (Pen().Style() == psClear) return;
    const uint32_t pixel = PixelOf(Pen().Color());
    ForEachLinePixel(From, To, ClipRect(), [&](int x, int y) { Plot(x, y, pixel); });
    FBitmap.Changed();
}

void TRasterCanvas::FillRect(const TRect& Rect) {
    if (Brush().Style() == bsClear) return;
    Fill(BlockArea(Rect), PixelOf(Brush().Color()));
    FBitmap.Changed();
}

void TRasterCanvas::FrameRect(const TRect& r) {
    if (Brush().Style() == bsClear || r.Right <= r.Left || r.Bottom <= r.Top) return;
    const uint32_t pixel = PixelOf(Brush().Color());
    Fill({r.Left, r.Top, r.Left + 1, r.Bottom}, pixel);
    Fill({r.Right - 1, r.Top, r.Right, r.Bottom}, pixel);
    Fill({r.Left, r.Top, r.Right, r.Top + 1}, pixel);
    Fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, pixel);
    FBitmap.Changed();
}

void TRasterCanvas::Rectangle(const TRect& Rect) { Shape(Rect, 0, 0); }

void TRasterCanvas::RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) {
    Shape(Rect, EllipseWidth, EllipseHeight);
}

// GDI fills the inside first and draws the outline over it. Without a pen a
// plain rectangle loses its last column and row; a rounded one does not.
void TRasterCanvas::Shape(const TRect& Rect, int EllipseWidth, int EllipseHeight) {
    const bool pen = Pen().Style() != psClear, brush = Brush().Style() != bsClear;
    const TRect r = Normalized(Rect);
    if (r.Width() == 0 || r.Height() == 0) return;
    const int w = CornerWidth(r, EllipseWidth), h = CornerHeight(r, EllipseHeight);
    const bool round = IsRoundCorner(w, h);
    if (brush) {
        const uint32_t fill = PixelOf(Brush().Color());
        if (round)
            FillRoundInside(r, w, h, fill);
        else
            Fill({r.Left + pen, r.Top + pen, r.Right - 1, r.Bottom - 1}, fill);
    }
    if (pen) {
        const uint32_t pixel = PixelOf(Pen().Color());
        const std::vector<TPoint> points = RoundRectOutline(r, EllipseWidth, EllipseHeight);
        for (size_t i = 0; i < points.size(); ++i)
            ForEachLinePixel(points[i], points[(i + 1) % points.size()], ClipRect(), [&](int x, int y) { Plot(x, y, pixel); });
    }
    FBitmap.Changed();
}

// Rows above the corners' middle take the insets of the upper half, rows
// below it those of the lower half, and the band between is full.
void TRasterCanvas::FillRoundInside(const TRect& r, int CornerWidth, int CornerHeight, uint32_t Pixel) {
    const std::vector<int> insets = EllipseRowInsets(CornerWidth, CornerHeight);
    const int half = CornerHeight / 2;
    const TRect rows = Intersection(r, ClipRect());
    for (int y = rows.Top; y < rows.Bottom; ++y) {
        const int row = y - r.Top < half ? y - r.Top : std::max(half, y - (r.Bottom - CornerHeight));
        if (insets[row] != RowLeftEmpty) Fill({r.Left + insets[row], y, r.Right - insets[row], y + 1}, Pixel);
    }
}

void TRasterCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) {
    if (!Source.Bitmap()) throw std::invalid_argument("a bitmap can only copy from bitmaps");
    Copy(Dest, *Source.Bitmap(), SourceRect, std::nullopt);
}

void TRasterCanvas::CopyTransparent(const TRect& Dest, const TBitmap& Source, TColor Transparent) {
    Copy(Dest, Source, Bounds(0, 0, Source.Width(), Source.Height()), ColorToPixel(Transparent));
}

void TRasterCanvas::Copy(const TRect& Dest, const TBitmap& Source, const TRect& SourceRect, std::optional<uint32_t> Skip) {
    if (Dest.Width() <= 0 || Dest.Height() <= 0 || SourceRect.Width() <= 0 || SourceRect.Height() <= 0) return;
    // A copy within this bitmap reads from a snapshot, whatever the overlap.
    TBitmap snapshot;
    const TBitmap* source = &Source;
    if (source == &FBitmap) {
        snapshot.Assign(FBitmap);
        source = &snapshot;
    }
    const TRect target = Intersection(Dest, ClipRect());
    const TRect from = Bounds(0, 0, source->Width(), source->Height());
    for (int y = target.Top; y < target.Bottom; ++y) {
        const int sy = SourceRect.Top + SourceIndex(y - Dest.Top, Dest.Height(), SourceRect.Height(), false);
        for (int x = target.Left; x < target.Right; ++x) {
            const int sx = SourceRect.Left + SourceIndex(x - Dest.Left, Dest.Width(), SourceRect.Width(), true);
            if (!from.Contains({sx, sy})) continue;
            const uint32_t pixel = source->ScanLine(sy)[sx];
            if (pixel != Skip) FBitmap.ScanLine(y)[x] = pixel;
        }
    }
    FBitmap.Changed();
}

TSize TRasterCanvas::TextExtent(std::string_view Text) const { return TextRenderer().Extent(Font(), Text); }

TTextMetric TRasterCanvas::TextMetric() const { return TextRenderer().Metric(Font()); }

// The renderer draws into the block of pixels that the text may reach: its
// cell, with room around it for glyphs that stand out of their cells, cut
// to the bitmap and to Clip.
void TRasterCanvas::DrawTextLine(int X, int Y, std::string_view Text, const TRect* Clip) {
    const TSize cell = TextExtent(Text);
    const int margin = std::max(1, TextMetric().Height);
    TRect area = Intersection(Bounds(X - margin, Y - margin, cell.Width + 2 * margin, cell.Height + 2 * margin), ClipRect());
    if (Clip) area = Intersection(area, *Clip);
    if (area.Right <= area.Left || area.Bottom <= area.Top) return;
    const TPixelBlock block{FBitmap.ScanLine(area.Top) + area.Left, area.Width(), area.Height(), FBitmap.Width()};
    const uint32_t background = PixelOf(Brush().Color());
    TextRenderer().Draw(Font(), Text, X - area.Left, Y - area.Top, PixelOf(Font().Color()),
                        Brush().Style() == bsSolid ? &background : nullptr, block);
    FBitmap.Changed();
}
