#include "widgets/GradientBar.h"

#include <cstdlib>
#include <stdexcept>

#include "core/Rounding.h"
#include "ui/Canvas.h"
#include "ui/SystemColors.h"

namespace {
bool Horizontal(TProgressDirection Direction) { return Direction == pdLeftToRight || Direction == pdRightToLeft; }
// The directions whose bar grows from the left or the top.
bool Forward(TProgressDirection Direction) { return Direction == pdLeftToRight || Direction == pdTopToBottom; }

int Channel(TColor Color, int Shift) { return static_cast<int>((TableColorToRGB(Color) >> Shift) & 0xFF); }
}  // namespace

TColor BlendColor(TColor Start, TColor End, int K, int N) {
    if (K < 1 || K > N) throw std::out_of_range("ColorIndex can't be less than 1 or greater than " + std::to_string(N));
    if (N == 1) return TableColorToRGB(Start);
    TColor result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int from = Channel(Start, shift), to = Channel(End, shift);
        result |= static_cast<TColor>((from + MulDivRound(K - 1, to - from, N - 1)) & 0xFF) << shift;
    }
    return result;
}

TGradientBar::TGradientBar(TComponent* AOwner) : TControl(AOwner) {
    Font().OnChange = TNotifyEvent([this](TObject*) {
        Changed(ccFont);
        Draw(true);
    });
    SetBounds(0, 0, 200, 20);
}

void TGradientBar::SetPosition(int32_t Value) {
    if (Value == FPosition || Value > FMax || Value < FMin) return;
    FPosition = Value;
    Draw(false);  // the bar image stays as it is
}

void TGradientBar::SetBarBitmap(const TBitmap& Value) {
    FBarBitmap.Assign(Value);
    Draw(true);
}

void TGradientBar::SetBarBitmapTransparent(bool Value) {
    if (Value == FBarBitmap.Transparent()) return;
    FBarBitmap.SetTransparent(Value);
    Draw(true);
}

void TGradientBar::BoundsChanged(bool Resized) {
    TControl::BoundsChanged(Resized);
    if (Resized) Draw(true);
}

void TGradientBar::Draw(bool Rebuild) {
    Render(Rebuild);
    FBufferFresh = true;
    Invalidate();
}

void TGradientBar::Render(bool Rebuild) {
    FBuffer.SetSize(Width(), Height());
    DrawBar(Rebuild);
    if (FShowBorder) DrawBorder();
    const std::string text = PosText();
    if (FShowPosText) DrawPosText(text);
    SetCaption(text);  // what a screen reader reads of the bar
}

// What a change drew is shown as it is; any other paint (the window was
// uncovered) draws everything again first.
void TGradientBar::Paint(TCanvas& Canvas) {
    if (!FBufferFresh) Render(true);
    Canvas.Draw(0, 0, FBuffer);
    FBufferFresh = false;
}

void TGradientBar::DrawBar(bool Rebuild) {
    TCanvas& c = FBuffer.Canvas();
    const int w = Width(), h = Height();
    if (FBarBitmap.Empty() && FBarColorStyle == cs1Color) {
        c.Brush().SetColor(FBarColor1);
        c.FillRect(Bounds(0, 0, w, h));
    } else {
        if (Rebuild) {
            FBarImage.SetSize(w, h);
            ++FBarImageBuilds;
            if (FBarBitmap.Empty()) BuildGradient();
            else TileBarBitmap();
        }
        c.Draw(0, 0, FBarImage);
    }
    const int length = (Horizontal(FDirection) ? w : h) - (FShowBorder ? 2 : 0);
    const TRect inner = FShowBorder ? TRect{1, 1, w - 1, h - 1} : Bounds(0, 0, w, h);
    int filled = 0;
    if (FMin < FPosition && FMax != FMin)
        filled = static_cast<int>(RoundHalfEven(static_cast<double>(FPosition - FMin) /
                                                std::abs(static_cast<double>(FMax) - FMin) * length));
    const int rest = length - filled;
    TRect empty = inner;
    switch (FDirection) {
        case pdLeftToRight: empty.Left = inner.Right - rest; break;
        case pdRightToLeft: empty.Right = inner.Left + rest; break;
        case pdTopToBottom: empty.Top = inner.Bottom - rest; break;
        case pdBottomToTop: empty.Bottom = inner.Top + rest; break;
    }
    c.Brush().SetColor(FBackgroundColor);
    c.FillRect(empty);
}

// BarColor1 where the bar starts to grow; with three colours BarColor2 in
// the middle and BarColor3 at the far end.
void TGradientBar::BuildGradient() {
    TCanvas& c = FBarImage.Canvas();
    const int w = FBarImage.Width(), h = FBarImage.Height();
    const bool horizontal = Horizontal(FDirection), forward = Forward(FDirection);
    const int length = horizontal ? w : h;
    auto line = [&](int Index, TColor Color) {
        c.Pen().SetColor(Color);
        c.MoveTo(horizontal ? Index : 0, horizontal ? 0 : Index);
        c.LineTo(horizontal ? Index : w, horizontal ? h : Index);
    };
    const int first = FBarColorStyle == cs2Colors ? length : length / 2;
    const TColor start = forward ? FBarColor1 : FBarColorStyle == cs2Colors ? FBarColor2 : FBarColor3;
    const TColor end = forward ? FBarColor2 : FBarColorStyle == cs2Colors ? FBarColor1 : FBarColor2;
    for (int i = 1; i <= first; ++i) line(i - 1, BlendColor(start, end, i, first));
    if (FBarColorStyle != cs3Colors) return;
    const int second = length - first;
    const TColor far = forward ? FBarColor3 : FBarColor1;
    for (int j = 1; j <= second; ++j) line(first + j - 1, BlendColor(FBarColor2, far, j, second));
}

void TGradientBar::TileBarBitmap() {
    const int w = FBarImage.Width(), h = FBarImage.Height();
    const int pw = FBarBitmap.Width(), ph = FBarBitmap.Height();
    for (int row = 0; row <= h / ph; ++row)
        for (int col = 0; col <= w / pw; ++col) FBarImage.Canvas().Draw(col * pw, row * ph, FBarBitmap);
}

void TGradientBar::DrawBorder() {
    TCanvas& c = FBuffer.Canvas();
    const int w = Width(), h = Height();
    c.Pen().SetColor(FBorderColor1);
    c.MoveTo(w - 1, 0);
    c.LineTo(0, 0);
    c.LineTo(0, h);
    c.Pen().SetColor(FBorderColor2);
    c.MoveTo(1, h - 1);
    c.LineTo(w - 1, h - 1);
    c.LineTo(w - 1, 0);
}

// A percentage of Max (Min left out); with Max 0 there is none to show: 0.
std::string TGradientBar::PosText() const {
    const int64_t number = !FPercentage ? FPosition : FMax == 0 ? 0 : RoundHalfEven(static_cast<double>(FPosition) / FMax * 100);
    return FPosTextPrefix + std::to_string(number) + FPosTextSuffix;
}

void TGradientBar::DrawPosText(const std::string& Text) {
    TCanvas& c = FBuffer.Canvas();
    c.Font().Assign(Font());
    c.Brush().SetStyle(bsClear);
    const TSize size = c.TextExtent(Text);
    c.TextOut(Width() / 2 - size.Width / 2, Height() / 2 - size.Height / 2, Text);
    c.Brush().SetStyle(bsSolid);
}
