#include "ui/Font.h"

#include "core/Rounding.h"

namespace {
int PixelsPerInch = 96;
}  // namespace

int ScreenPixelsPerInch() { return PixelsPerInch; }
void SetScreenPixelsPerInch(int Value) {
    if (Value > 0) PixelsPerInch = Value;
}

int TFont::Size() const { return -MulDivRound(FHeight, 72, PixelsPerInch); }
void TFont::SetSize(int Value) { SetHeight(-MulDivRound(Value, PixelsPerInch, 72)); }

void TFont::Assign(const TFont& Source) {
    if (*this == Source) return;
    FName = Source.FName;
    FHeight = Source.FHeight;
    FColor = Source.FColor;
    FStyle = Source.FStyle;
    FCharset = Source.FCharset;
    OnChange(this);
}
