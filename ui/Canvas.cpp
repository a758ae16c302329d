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

void TCanvas::DrawFocusRect(const TRect& r) {
    for (int x = r.Left; x < r.Right; x += 2) {
        SetPixels(x, r.Top, clBlack);
        SetPixels(x, r.Bottom - 1, clBlack);
    }
    for (int y = r.Top; y < r.Bottom; y += 2) {
        SetPixels(r.Left, y, clBlack);
        SetPixels(r.Right - 1, y, clBlack);
    }
}

TRect TCanvas::DrawText(const TRect& Rect, std::string_view Text, unsigned Format) {
    const TTextMetric metric = TextMetric();
    TTextBlock block = LayoutText(Text, Rect, Format, metric.Height, [this](std::string_view t) { return TextWidth(t); });
    if (Format & tfCalcRect) return block.Extent;
    const TRect* clip = (Format & tfNoClip) ? nullptr : &Rect;
    for (const TTextLine& line : block.Lines) {
        DrawTextLine(line.X, line.Y, line.Text, clip);
        if (line.Underline < 0) continue;
        const std::string_view text = line.Text;
        const int from = line.X + TextWidth(text.substr(0, line.Underline));
        const int to = line.X + TextWidth(text.substr(0, line.Underline + 1));
        const int y = line.Y + metric.Ascent + 1;
        if (clip && !clip->Contains({from, y})) continue;
        const TPen saved = FPen;
        const TPoint position = FPenPos;
        FPen.SetColor(FFont.Color());
        FPen.SetStyle(psSolid);
        MoveTo(from, y);
        LineTo(to, y);
        FPen = saved;
        FPenPos = position;
    }
    return block.Extent;
}
