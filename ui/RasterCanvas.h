#pragma once
// Draws into a bitmap's pixels by GDI's rules, so that what a component
// draws can be checked without Windows and gives the same pixels there.
#include <cstdint>
#include <optional>

#include "ui/Canvas.h"

class TRasterCanvas : public TCanvas {
public:
    explicit TRasterCanvas(TBitmap& Target) : FBitmap(Target) {}

    TColor Pixels(int X, int Y) const override;
    void SetPixels(int X, int Y, TColor Color) override;
    void FillRect(const TRect& Rect) override;
    void FrameRect(const TRect& Rect) override;
    void Rectangle(const TRect& Rect) override;
    void RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) override;
    // Sources must be bitmaps' canvases.
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) override;
    TSize TextExtent(std::string_view Text) const override;
    TTextMetric TextMetric() const override;
    TRect ClipRect() const override;
    TColor ColorToRGB(TColor Color) const override;
    const TBitmap* Bitmap() const override { return &FBitmap; }

protected:
    void Line(TPoint From, TPoint To) override;
    void DrawTextLine(int X, int Y, std::string_view Text, const TRect* Clip) override;
    void CopyTransparent(const TRect& Dest, const TBitmap& Source, TColor Transparent) override;

private:
    uint32_t PixelOf(TColor Color) const;
    void Plot(int X, int Y, uint32_t Pixel);
    // Fills Area cut to the bitmap.
    void Fill(TRect Area, uint32_t Pixel);
    void Shape(const TRect& Rect, int EllipseWidth, int EllipseHeight);
    // Copies and stretches, leaving out source pixels equal to Skip.
    void Copy(const TRect& Dest, const TBitmap& Source, const TRect& SourceRect, std::optional<uint32_t> Skip);
    void FillRoundInside(const TRect& Rect, int CornerWidth, int CornerHeight, uint32_t Pixel);

    TBitmap& FBitmap;
};
