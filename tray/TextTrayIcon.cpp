#include "tray/TextTrayIcon.h"

#include <vector>

#include "ui/Canvas.h"

namespace {
constexpr int IconSize = 16;

// The text up to each carriage return, which goes; a line feed after it
// stays at the start of the next line.
std::vector<std::string> Lines(const std::string& Text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t cr = Text.find('\r'); cr != std::string::npos; cr = Text.find('\r', start)) {
        lines.push_back(Text.substr(start, cr - start));
        start = cr + 1;
    }
    lines.push_back(Text.substr(start));
    return lines;
}
}  // namespace

TTextTrayIcon::TTextTrayIcon(TComponent* AOwner, TWindowSystem& Windows, TShell& Shell)
    : TTrayIcon(AOwner, Windows, Shell) {
    FFont.OnChange = TNotifyEvent([this](TObject*) { Redraw(); });
    FOptions.OnChange = TNotifyEvent([this](TObject*) { Redraw(); });
}

void TTextTrayIcon::SetText(const std::string& Value) {
    FText = Value;
    Redraw();
}

void TTextTrayIcon::SetColor(TColor Value) {
    FColor = Value;
    Redraw();
}

void TTextTrayIcon::SetBorder(bool Value) {
    FBorder = Value;
    Redraw();
}

void TTextTrayIcon::SetBorderColor(TColor Value) {
    FBorderColor = Value;
    Redraw();
}

void TTextTrayIcon::SetFont(const TFont& Value) {
    FFont.Assign(Value);  // redraws when it changed
    Redraw();
}

void TTextTrayIcon::SetBackgroundIcon(const TIcon& Value) {
    FBackgroundIcon.Assign(Value);
    Redraw();
}

TColor TTextTrayIcon::InvertedFontColor() const { return FTextBitmap.Canvas().ColorToRGB(FFont.Color()) ^ 0xFFFFFF; }

void TTextTrayIcon::Redraw() {
    SetCycleIcons(false);
    RenderTextBitmap();
    TIcon icon;
    if (FBackgroundIcon.Empty()) {
        if (FColor != clNone) FMaskColor = clNone;
        icon.AssignBitmap(FTextBitmap, FMaskColor);
    } else {
        ComposeWithBackground(icon);
    }
    SetIcon(icon);
}

TColor TTextTrayIcon::BackgroundColor() const {
    return FColor == clNone || FColor == FFont.Color() ? InvertedFontColor() : FColor;
}

void TTextTrayIcon::RenderTextBitmap() {
    TBitmap bitmap(IconSize, IconSize);
    FMaskColor = BackgroundColor();
    PaintText(bitmap.Canvas());
    FTextBitmap.Assign(bitmap);
}

void TTextTrayIcon::PaintText(TCanvas& Canvas) const {
    Canvas.Brush().SetColor(BackgroundColor());
    Canvas.FillRect(Bounds(0, 0, IconSize, IconSize));
    Canvas.Font().Assign(FFont);
    // The text's cells are filled with the background, as an opaque text is drawn.
    if (FText.find('\r') != std::string::npos) {
        const std::vector<std::string> lines = Lines(FText);
        const int lineHeight =
            Canvas.TextHeight(std::string_view(FText).substr(FText.find('\r'))) + FOptions.LineDistance();
        const int top = (15 - static_cast<int>(lines.size()) * lineHeight) / 2 + FOptions.OffsetY();
        for (size_t i = 0; i < lines.size(); ++i)
            Canvas.TextOut((15 - Canvas.TextWidth(lines[i])) / 2 + FOptions.OffsetX(),
                           top + static_cast<int>(i) * lineHeight, lines[i]);
    } else {
        const TSize size = Canvas.TextExtent(FText);
        Canvas.TextOut((15 - size.Width) / 2 + FOptions.OffsetX(), (15 - size.Height) / 2 + FOptions.OffsetY(), FText);
    }
    if (FBorder) {
        Canvas.Brush().SetColor(FBorderColor);
        Canvas.FrameRect(Bounds(0, 0, IconSize, IconSize));
    }
}

// The background icon on a square of the background colour, the text and
// frame over it; that colour is then transparent.
void TTextTrayIcon::ComposeWithBackground(TIcon& Result) const {
    TBitmap composed(IconSize, IconSize);
    TCanvas& c = composed.Canvas();
    c.Brush().SetColor(FMaskColor);
    c.FillRect(Bounds(0, 0, IconSize, IconSize));
    const TBitmap& back = FBackgroundIcon.Picture();
    for (int y = 0; y < std::min(back.Height(), IconSize); ++y)
        for (int x = 0; x < std::min(back.Width(), IconSize); ++x)
            if (!FBackgroundIcon.IsTransparent(x, y)) composed.ScanLine(y)[x] = back.ScanLine(y)[x];
    TBitmap text;
    text.Assign(FTextBitmap);
    text.SetTransparentColor(FMaskColor);
    text.SetTransparent(true);
    c.Draw(0, 0, text);
    Result.AssignBitmap(composed, FMaskColor);
}
