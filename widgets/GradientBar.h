#pragma once
// A progress bar drawn by the program: a fixed bar image spans the whole
// control (a two- or three-colour gradient, one colour, or a tiled picture)
// and the part beyond the position is covered with the background colour,
// so that a growing bar uncovers more of the same image; a two-tone border
// and the centred position text go over it (the text is also the control's
// caption, which screen readers read). Every change is drawn at once
// into an off-screen buffer, which the window then shows; the bar image is
// kept between paints and made again except when only the position changed.
#include <cstdint>
#include <string>

#include "ui/Bitmap.h"
#include "ui/Control.h"

enum TProgressDirection : uint8_t { pdLeftToRight, pdRightToLeft, pdBottomToTop, pdTopToBottom };
enum TBarColorStyle : uint8_t { cs1Color, cs2Colors, cs3Colors };

class TGradientBar : public TControl {
public:
    explicit TGradientBar(TComponent* AOwner);

    TColor BorderColor1() const { return FBorderColor1; }
    void SetBorderColor1(TColor Value) { Set(FBorderColor1, Value); }
    TColor BorderColor2() const { return FBorderColor2; }
    void SetBorderColor2(TColor Value) { Set(FBorderColor2, Value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { Set(FBackgroundColor, Value); }
    // A position outside Min..Max, or the one it has, is ignored.
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t Value);
    int32_t Min() const { return FMin; }
    void SetMin(int32_t Value) { Set(FMin, Value); }
    int32_t Max() const { return FMax; }
    void SetMax(int32_t Value) { Set(FMax, Value); }
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool Value) { Set(FShowBorder, Value); }
    TProgressDirection Direction() const { return FDirection; }
    void SetDirection(TProgressDirection Value) { Set(FDirection, Value); }
    bool ShowPosText() const { return FShowPosText; }
    void SetShowPosText(bool Value) { Set(FShowPosText, Value); }
    const std::string& PosTextPrefix() const { return FPosTextPrefix; }
    void SetPosTextPrefix(const std::string& Value) { Set(FPosTextPrefix, Value); }
    const std::string& PosTextSuffix() const { return FPosTextSuffix; }
    void SetPosTextSuffix(const std::string& Value) { Set(FPosTextSuffix, Value); }
    TBarColorStyle BarColorStyle() const { return FBarColorStyle; }
    void SetBarColorStyle(TBarColorStyle Value) { Set(FBarColorStyle, Value); }
    TColor BarColor1() const { return FBarColor1; }
    void SetBarColor1(TColor Value) { Set(FBarColor1, Value); }
    TColor BarColor2() const { return FBarColor2; }
    void SetBarColor2(TColor Value) { Set(FBarColor2, Value); }
    TColor BarColor3() const { return FBarColor3; }
    void SetBarColor3(TColor Value) { Set(FBarColor3, Value); }
    // The position text as a percentage of Max instead of the position.
    bool Percentage() const { return FPercentage; }
    void SetPercentage(bool Value) { Set(FPercentage, Value); }
    // A copy of Value replaces the colour bar; an empty one (no width or no
    // height) gives the colours back.
    const TBitmap& BarBitmap() const { return FBarBitmap; }
    void SetBarBitmap(const TBitmap& Value);
    // The bar picture is drawn with its own transparency.
    void SetBarBitmapTransparent(bool Value);

    // What the last drawing left, the window's picture.
    const TBitmap& Buffer() const { return FBuffer; }
    // How often the bar image was made: once per paint but a position's.
    int BarImageBuilds() const { return FBarImageBuilds; }

    void Paint(TCanvas& Canvas) override;

protected:
    void BoundsChanged(bool Resized) override;

private:
    template <class T>
    void Set(T& Field, const T& Value) {
        if (Field == Value) return;
        Field = Value;
        Draw(true);
    }
    // Draws the whole control into the buffer, making the bar image again
    // when Rebuild is set; Draw also asks the window to show it.
    void Draw(bool Rebuild);
    void Render(bool Rebuild);
    void DrawBar(bool Rebuild);
    void BuildGradient();
    void TileBarBitmap();
    void DrawBorder();
    std::string PosText() const;
    void DrawPosText(const std::string& Text);

    TBitmap FBuffer;
    TColor FBorderColor1 = clBtnShadow;
    TColor FBorderColor2 = clBtnHighlight;
    TColor FBackgroundColor = clBtnFace;
    int32_t FPosition = 0;
    TBitmap FBarBitmap;
    int32_t FMin = 0;
    int32_t FMax = 100;
    bool FShowBorder = true;
    TProgressDirection FDirection = pdLeftToRight;
    bool FShowPosText = true;
    std::string FPosTextSuffix;
    std::string FPosTextPrefix;
    TBarColorStyle FBarColorStyle = cs3Colors;
    TColor FBarColor1 = clGreen;
    TColor FBarColor2 = clYellow;
    TColor FBarColor3 = clRed;
    TBitmap FBarImage;
    bool FPercentage = false;
    bool FBufferFresh = false;  // drawn by a change, not yet shown
    int FBarImageBuilds = 0;
};

// The K-th of N colours evenly spaced from Start to End (K from 1 to N).
// Throws std::out_of_range "ColorIndex can't be less than 1 or greater than N"
// outside that; a single colour (N = 1) is Start.
TColor BlendColor(TColor Start, TColor End, int K, int N);
