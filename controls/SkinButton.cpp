#include "controls/SkinButton.h"

#include "controls/SkinGradient.h"
#include "core/Messages.h"

namespace {

int BandCount(TSkinQuality Quality) {
    switch (Quality) {
        case bqLow: return 8;
        case bqMiddle: return 16;
        default: return 64;
    }
}

// Windows-1252 letters in lower case: ASCII and the accented capitals.
unsigned char Lower(unsigned char C) {
    if ((C >= 'A' && C <= 'Z') || (C >= 0xC0 && C <= 0xDE && C != 0xD7)) return static_cast<unsigned char>(C + 0x20);
    return C;
}

}  // namespace

bool IsAccelerator(char Key, const std::string& Caption) {
    for (size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] == '&') {
            ++i;  // "&&" is an ampersand
            continue;
        }
        return Lower(static_cast<unsigned char>(Caption[i + 1])) == Lower(static_cast<unsigned char>(Key));
    }
    return false;
}

TSkinButton::TSkinButton(TComponent* AOwner) : TSkinCustomControl(AOwner) {
    FColors.OnChange = TNotifyEvent([this](TObject*) { RebuildGradients(); });
    FGlyph.OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
    SetBounds(0, 0, 73, 25);
}

void TSkinButton::SetDefault(bool Value) {
    if (Value == FDefault) return;
    FDefault = Value;
    AnnounceActiveControl(*this);
}

void TSkinButton::SetQuality(TSkinQuality Value) {
    if (Value == FQuality) return;
    FQuality = Value;
    RebuildGradients();
}

bool TSkinButton::FrameWanted() const { return Pressed() ? !Hot() : Hot() || Focused(); }

bool TSkinButton::Framed() const { return FrameWanted() || (FDefault && CanFocus() && !ActiveIsSkinned()); }

void TSkinButton::BoundsChanged(bool Resized) {
    TSkinCustomControl::BoundsChanged(Resized);
    if (Resized) RebuildGradients();
}

// The normal gradient fits inside the frame that the state wants now; the
// frames and the pressed gradient fill the border's inside.
void TSkinButton::RebuildGradients() {
    const int w = Width(), h = Height(), inset = FrameWanted() ? 4 : 0;
    const int bands = BandCount(FQuality);
    const bool dither = FQuality == bqHigh;
    BuildGradient(FNormal, w - 2 - inset, h - 2 - inset, FColors.BackgroundFrom(), FColors.BackgroundTo(), bands, dither);
    BuildGradient(FClicked, w - 2, h - 2, FColors.ClickedFrom(), FColors.ClickedTo(), bands, dither);
    BuildGradient(FFocusFrame, w - 2, h - 2, FColors.FocusedFrom(), FColors.FocusedTo(), bands, dither);
    BuildGradient(FHotFrame, w - 2, h - 2, FColors.HighlightFrom(), FColors.HighlightTo(), bands, dither);
    Invalidate();
}

void TSkinButton::KeyPress(char& Key) {
    TSkinCustomControl::KeyPress(Key);
    if (Key != 0 && DialogChar(Key, 0)) Key = 0;
}

// The click comes last: its handler may destroy the button.
bool TSkinButton::DialogKey(uint16_t Key, int Shift) {
    const bool enter = Key == VK_RETURN_KEY && (Focused() || (FDefault && !ActiveIsSkinned()));
    const bool escape = Key == VK_ESCAPE_KEY && FCancel && (Shift & (ssShift | ssCtrl | ssAlt)) == 0;
    if (!(enter || escape) || !CanFocus()) return false;
    Click();
    return true;
}

bool TSkinButton::DialogChar(char Key, int Shift) {
    if (!IsAccelerator(Key, Caption()) || !CanFocus() || !(Focused() || (Shift & ssAlt))) return false;
    Click();
    return true;
}
