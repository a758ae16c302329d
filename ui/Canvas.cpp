#include "ui/Canvas.h"

#include "ui/Bitmap.h"

void TBrush::SetColor(TColor Value) {
    FColor = Value;
    if (Value == clNone)
        FStyle = bsClear;
    else if (FStyle == bsClear)
        FStyle = bsSolid;
}

void TCanvas::LineTo(int X, int Y) {
    TPoint from = FPenPos;
    FPenPos = {X, Y};
    Line(from, FPenPos);
}

void TCanvas::Draw(int X, int Y, const TBitmap& Bitmap) { StretchDraw(Bounds(X, Y, Bitmap.Width(), Bitmap.Height()), Bitmap); }

void TCanvas::StretchDraw(const TRect& Dest, const TBitmap& Bitmap) {
    if (Bitmap.Transparent())
        CopyTransparent(Dest, Bitmap, Bitmap.Canvas().ColorToRGB(Bitmap.TransparentColor()));
    else
        CopyRect(Dest, Bitmap.Canvas(), Bounds(0, 0, Bitmap.Width(), Bitmap.Height()));
}
