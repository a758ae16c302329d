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

TFlatButton::TFlatButton(TComponent* AOwner) : TControl(AOwner) {
    SetBounds(0, 0, 72, 18);
    FGlyph.AddChangeLink(this, [this] { Invalidate(); });
}

TFlatButton::~TFlatButton() { FGlyph.RemoveChangeLink(this); }

void TFlatButton::Paint(TCanvas& Canvas) {
    const TRect all = Bounds(0, 0, Width(), Height());
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(all);
    if (Pressed()) DrawEdge(Canvas, all, clBtnShadow, clBtnHighlight);
    else if (FHot) DrawEdge(Canvas, all, clBtnHighlight, clBtnShadow);
    const int shift = Pressed() ? 1 : 0;
    int left = Margin + shift;
    if (FGlyph.Count() > 0) {
        FGlyph.Draw(Canvas, left, (Height() - FGlyph.Height()) / 2 + shift, 0);
        left += FGlyph.Width() + Margin;
    }
    Canvas.Font().Assign(Font());
    Canvas.Brush().SetStyle(bsClear);
    Canvas.DrawText(TRect{left, shift, Width() - Margin + shift, Height() + shift}, Caption(),
                    tfCenter | tfVCenter | tfSingleLine);
}

void TFlatButton::MouseEnter() {
    FHot = true;
    Invalidate();
    TControl::MouseEnter();
}

void TFlatButton::MouseLeave() {
    FHot = false;
    Invalidate();
    TControl::MouseLeave();
}

void TFlatButton::MouseDown(TMouseButton Button, int Shift, int X, int Y) {
    if (Button == mbLeft) {
        FDown = true;
        SetMouseCapture(true);
        Invalidate();
    }
    TControl::MouseDown(Button, Shift, X, Y);
}

void TFlatButton::MouseUp(TMouseButton Button, int Shift, int X, int Y) {
    TControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FDown) return;
    FDown = false;
    SetMouseCapture(false);
    Invalidate();
    if (Bounds(0, 0, Width(), Height()).Contains({X, Y})) Click();
}
