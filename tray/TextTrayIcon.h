#pragma once
// The tray icon whose picture is a short text drawn into a 16 × 16 square:
// every change of the text or of its look draws it again and hands it to
// the shell. The square is in Color (in the font colour's inverse when the
// two are the same), with a one-pixel frame when Border is set; with Color
// clNone the background is transparent; a background icon shows under the
// text and the frame.
#include <string>

#include "tray/TrayIcon.h"
#include "ui/Bitmap.h"
#include "ui/Font.h"

// Where the text goes: shifts in pixels and the extra room between lines.
// Setting a value it has raises nothing.
class TOffsetOptions : public TObject {
public:
    int OffsetX() const { return FOffsetX; }
    void SetOffsetX(int Value) { Set(FOffsetX, Value); }
    int OffsetY() const { return FOffsetY; }
    void SetOffsetY(int Value) { Set(FOffsetY, Value); }
    int LineDistance() const { return FLineDistance; }
    void SetLineDistance(int Value) { Set(FLineDistance, Value); }
    TNotifyEvent OnChange;

private:
    void Set(int& Field, int Value) {
        if (Field == Value) return;
        Field = Value;
        OnChange(this);
    }
    int FOffsetX = 0;
    int FOffsetY = 0;
    int FLineDistance = 0;
};

class TTextTrayIcon : public TTrayIcon {
public:
    TTextTrayIcon(TComponent* AOwner, TWindowSystem& Windows, TShell& Shell);

    // Each of these draws again, even when set to the value it has.
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool Border() const { return FBorder; }
    void SetBorder(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TFont& Font() { return FFont; }
    void SetFont(const TFont& Value);
    TOffsetOptions& Options() { return FOptions; }
    const TIcon& BackgroundIcon() const { return FBackgroundIcon; }
    void SetBackgroundIcon(const TIcon& Value);

    // The colour the latest drawing gave the background.
    TColor MaskColor() const { return FMaskColor; }
    const TBitmap& TextBitmap() const { return FTextBitmap; }
    // Renders the text and hands the new icon on.
    void Redraw();
    // Draws the picture's square, text and frame onto Canvas, 16 x 16 from
    // its origin, as the icon shows them.
    void PaintText(TCanvas& Canvas) const;

protected:
    virtual void RenderTextBitmap();

private:
    TColor InvertedFontColor() const;
    // The square's colour: Color, or the font's colour inverted where the two
    // would not tell apart.
    TColor BackgroundColor() const;
    void ComposeWithBackground(TIcon& Result) const;

    TFont FFont;
    TColor FColor = clBtnFace;
    TColor FMaskColor = clNone;
    bool FBorder = false;
    TColor FBorderColor = clBlack;
    std::string FText;
    TBitmap FTextBitmap;
    TOffsetOptions FOptions;
    TIcon FBackgroundIcon;
};
