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

void TCanvas::Draw(int X, int Y, const TBitmap& Bitmap) {
    TRect whole = Bounds(0, 0, Bitmap.Width(), Bitmap.Height());
    CopyRect(Bounds(X, Y, whole.Right, whole.Bottom), Bitmap.Canvas(), whole);
}

void TCanvas::StretchDraw(const TRect& Dest, const TBitmap& Bitmap) {
    CopyRect(Dest, Bitmap.Canvas(), Bounds(0, 0, Bitmap.Width(), Bitmap.Height()));
}
