#pragma once
// TCanvas over a Windows device context (a window's paint DC, a memory DC).
// The canvas does not own the DC.
#include <windows.h>

#include "platform/win32/SharedGdi.h"
#include "ui/Canvas.h"

class TGdiCanvas : public TCanvas {
public:
    explicit TGdiCanvas(HDC DC) : FDC(DC) {}

    HDC Handle() const { return FDC; }

    TColor Pixels(int X, int Y) const override;
    void SetPixels(int X, int Y, TColor Color) override;
    void FillRect(const TRect& Rect) override;
    void FrameRect(const TRect& Rect) override;
    void Rectangle(const TRect& Rect) override;
    void RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) override;
    // Sources are bitmaps' canvases or GDI canvases.
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) override;
    TSize TextExtent(std::string_view Text) const override;
    TTextMetric TextMetric() const override;
    TRect ClipRect() const override;
    TColor ColorToRGB(TColor Color) const override;
    TColor NearestColor(TColor Color) const override;

protected:
    void Line(TPoint From, TPoint To) override;
    void DrawTextLine(int X, int Y, std::string_view Text, const TRect* Clip) override;
    void CopyTransparent(const TRect& Dest, const TBitmap& Source, TColor Transparent) override;

private:
    void StretchFrom(HDC Source, const TRect& Dest, const TRect& SourceRect, DWORD Rop);
    // Paints Rect with the brush's colour (FillRect, FrameRect).
    void BrushRect(const TRect& Rect, int(WINAPI* Paint)(HDC, const RECT*, HBRUSH));

    HDC FDC;
    // The program's shared objects, held while the canvas draws with them;
    // each is selected for one call only, so that another may replace it.
    mutable TSharedFont FFont;
    TSharedPen FPen;
    TSharedBrush FBrush;
};

// Windows' colour for a TColor, system colours resolved.
COLORREF ColorRef(TColor Color);

// Gives bitmaps the running system's colours instead of the classic ones.
void LoadSystemColors();
