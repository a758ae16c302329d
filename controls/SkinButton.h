#pragma once
// The window's push button: a rounded rectangle filled with vertical
// gradients that follow its state (normal, mouse over, focused, pressed),
// with an optional glyph beside, above or below its centred caption, the
// caption embossed while disabled, and the keys of a dialog's button: Enter,
// Esc, the space bar and its accelerator letter. The gradients are built
// into bitmaps when the size, the colours or the quality change, so that a
// paint is block copies, the border, the glyph and the text. To the system
// it is a real push button that the program draws.
#include <cstdint>

#include "controls/SkinCore.h"
#include "ui/Bitmap.h"

enum TSkinLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSkinButton : public TSkinCustomControl {
public:
    explicit TSkinButton(TComponent* AOwner);

    TControlKind Kind() const override { return ckOwnerDrawButton; }

    // Grey the glyph while disabled.
    bool AutoGray() const { return FAutoGray; }
    void SetAutoGray(bool Value) { Set(FAutoGray, Value); }
    // Esc clicks the button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { Set(FCancel, Value); }
    // Enter clicks the button while the window's active control is not a
    // skinned one; a default button is framed meanwhile.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    // Drawn with its transparent colour left out; every change repaints.
    TBitmap& Glyph() { return FGlyph; }
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& Value) { FGlyph.Assign(Value); }
    // The caption in Colors().HotTrack() under the mouse.
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool Value) { Set(FHotTrack, Value); }
    TSkinLayout Layout() const { return FLayout; }
    void SetLayout(TSkinLayout Value) { Set(FLayout, Value); }
    // Kept for a modal window's answer; the program's windows are not modal.
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    TSkinColors& Colors() { return FColors; }
    const TSkinColors& Colors() const { return FColors; }
    // 8, 16 or 64 bands; dithered at bqHigh.
    TSkinQuality Quality() const { return FQuality; }
    void SetQuality(TSkinQuality Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value) { Set(FShowAccelChar, Value); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value) { Set(FShowFocusRect, Value); }
    // Kept for the designer's sake; no drawing uses it.
    bool SmoothEdges() const { return FSmoothEdges; }
    void SetSmoothEdges(bool Value) { FSmoothEdges = Value; }
    // Pixels between the glyph and the caption.
    uint8_t Spacing() const { return FSpacing; }
    void SetSpacing(uint8_t Value) { Set(FSpacing, Value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { Set(FWordWrap, Value); }

    // Whether the state calls for the hot or focus frame around the normal
    // gradient (pressed: when the mouse has left; else hot or focused).
    bool FrameWanted() const;
    // The frame is shown: wanted, or this is the default button while no
    // skinned control is active.
    bool Framed() const;

    void Paint(TCanvas& Canvas) override;
    void KeyPress(char& Key) override;
    bool DialogKey(uint16_t Key, int Shift) override;
    bool DialogChar(char Key, int Shift) override;

protected:
    void BoundsChanged(bool Resized) override;

private:
    template <class T>
    void Set(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        Invalidate();
    }
    void RebuildGradients();
    void PaintBackground(TCanvas& Canvas) const;
    void PaintCaptionAndGlyph(TCanvas& Canvas) const;
    void DrawGlyph(TCanvas& Canvas, int X, int Y) const;

    bool FAutoGray = true;
    bool FCancel = false;
    bool FDefault = false;
    TBitmap FGlyph;
    bool FHotTrack = false;
    TSkinLayout FLayout = blGlyphLeft;
    int FModalResult = 0;
    TSkinColors FColors;
    TSkinQuality FQuality = bqMiddle;
    bool FShowAccelChar = true;
    bool FShowFocusRect = true;
    bool FSmoothEdges = true;
    uint8_t FSpacing = 3;
    bool FWordWrap = true;
    TBitmap FNormal, FClicked, FFocusFrame, FHotFrame;
};

// Whether Key is the accelerator of Caption: the character after its first
// single "&", in either case.
bool IsAccelerator(char Key, const std::string& Caption);
