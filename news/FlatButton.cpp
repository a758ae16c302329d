#include "news/FlatButton.h"

#include "ui/Canvas.h"

namespace {
// A one-pixel edge: TopLeft on the top and left sides, BottomRight on the others.
void DrawEdge(TCanvas& Canvas, const TRect& Rect, TColor TopLeft, TColor BottomRight) {
    Canvas.Pen().SetColor(TopLeft);
    Canvas.MoveTo(Rect.Left, Rect.Bottom - 1);
    Canvas.LineTo(Rect.Left, Rect.Top);
    Canvas.LineTo(Rect.Right - 1, Rect.Top);
    Canvas.Pen().SetColor(BottomRight);
    Canvas.LineTo(Rect.Right - 1, Rect.Bottom - 1);
    Canvas.LineTo(Rect.Left - 1, Rect.Bottom - 1);
}

constexpr int Margin = 4;
}  // namespace

TFlatButton::TFlatButton(TComponent* AOwner) : TPushControl(AOwner) {
    SetBounds(0, 0, 72, 18);
    FGlyph.AddChangeLink(this, [this] { Invalidate(); });
}

TFlatButton::~TFlatButton() { FGlyph.RemoveChangeLink(this); }

void TFlatButton::Paint(TCanvas& Canvas) {
    const TRect all = Bounds(0, 0, Width(), Height());
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(all);
    const bool sunken = Hot() && Pressed();
    if (sunken) DrawEdge(Canvas, all, clBtnShadow, clBtnHighlight);
    else if (Hot()) DrawEdge(Canvas, all, clBtnHighlight, clBtnShadow);
    const int shift = sunken ? 1 : 0;
    int left = Margin + shift;
    if (FGlyph.Count() > 0) {
        FGlyph.Draw(Canvas, left, (Height() - FGlyph.Height()) / 2 + shift, 0);
        left += FGlyph.Width() + Margin;
    }
    Canvas.Font().Assign(Font());
    Canvas.Brush().SetStyle(bsClear);
    Canvas.DrawText(TRect{left, shift, Width() - Margin + shift, Height() + shift}, Caption(),
                    tfCenter | tfVCenter | tfSingleLine);
    if (Focused()) Canvas.DrawFocusRect(TRect{2, 2, Width() - 2, Height() - 2});
}
