#pragma once
// A canvas that keeps the list of its drawing calls, as text, and draws them
// into a bitmap too (so shapes can still be checked pixel by pixel). Text is
// recorded with its position, font, colour, background and clip, since no
// raster can match the system's glyphs. Pixel reads and writes are not
// recorded.
#include <string>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"

class TRecordingCanvas : public TCanvas {
public:
    TRecordingCanvas(int Width, int Height) : FTarget(Width, Height) {}

    std::vector<std::string> Calls;
    TBitmap& Target() { return FTarget; }
    // Only the calls that draw text.
    std::vector<std::string> TextCalls() const;

    TColor Pixels(int X, int Y) const override { return FTarget.Canvas().Pixels(X, Y); }
    void SetPixels(int X, int Y, TColor Color) override { FTarget.Canvas().SetPixels(X, Y, Color); }
    void FillRect(const TRect& Rect) override;
    void FrameRect(const TRect& Rect) override;
    void Rectangle(const TRect& Rect) override;
    void RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) override;
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) override;
    TSize TextExtent(std::string_view Text) const override { return TextRenderer().Extent(Font(), Text); }
    TTextMetric TextMetric() const override { return TextRenderer().Metric(Font()); }
    TRect ClipRect() const override { return FTarget.Canvas().ClipRect(); }
    TColor ColorToRGB(TColor Color) const override { return FTarget.Canvas().ColorToRGB(Color); }
    const TBitmap* Bitmap() const override { return &FTarget; }

protected:
    void Line(TPoint From, TPoint To) override;
    void DrawTextLine(int X, int Y, std::string_view Text, const TRect* Clip) override;
    void CopyTransparent(const TRect& Dest, const TBitmap& Source, TColor Transparent) override;

private:
    // The target's canvas with this canvas's pen, brush and font.
    TCanvas& Synced();
    void Record(const std::string& Call) { Calls.push_back(Call); }
    std::string Colour(TColor Color) const;

    TBitmap FTarget;
};

std::string RectText(const TRect& Rect);
