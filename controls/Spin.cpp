#include "controls/Spin.h"

#include <algorithm>
#include <charconv>

#include "controls/SpinGlyphs.h"
#include "ui/Canvas.h"
#include "ui/Locale.h"
#include "ui/TextRenderer.h"

namespace {
constexpr uint16_t VkSpace = 0x20, VkUp = 0x26, VkDown = 0x28;
constexpr uint32_t FirstRepeatMs = 400, RepeatMs = 100;
}  // namespace

TTimerSpeedButton::TTimerSpeedButton(TComponent* AOwner, TTimerService& Timers)
    : TControl(AOwner), FRepeat(this, Timers) {
    FRepeat.SetEnabled(false);
    FRepeat.SetOnTimer(TNotifyEvent(this, &TTimerSpeedButton::Repeat));
}

void TTimerSpeedButton::SetShowFocusRect(bool Value) {
    if (Value == FShowFocusRect) return;
    FShowFocusRect = Value;
    Invalidate();
}

void TTimerSpeedButton::MouseDown(TMouseButton Button, int Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        FDown = true;
        SetMouseCapture(true);
        Invalidate();
        if (FTimerAllowed) {
            FRepeat.SetInterval(FirstRepeatMs);
            FRepeat.SetEnabled(true);
        }
    }
    TControl::MouseDown(Button, Shift, X, Y);
}

void TTimerSpeedButton::MouseUp(TMouseButton Button, int Shift, int X, int Y) {
    TControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FDown) return;
    FDown = false;
    FRepeat.SetEnabled(false);
    SetMouseCapture(false);
    Invalidate();
    if (X >= 0 && Y >= 0 && X < Width() && Y < Height()) Click();
}

// A click that fails stops the repeating; the failure goes on to the caller.
void TTimerSpeedButton::Repeat(TObject*) {
    FRepeat.SetInterval(RepeatMs);
    if (!FDown || !MouseCapture()) return;
    try {
        Click();
    } catch (...) {
        FRepeat.SetEnabled(false);
        throw;
    }
}

void TTimerSpeedButton::Paint(TCanvas& Canvas) {
    const int w = Width(), h = Height(), shift = FDown ? 1 : 0;
    Canvas.Brush().SetColor(clBtnFace);
    Canvas.FillRect(Bounds(0, 0, w, h));
    Canvas.Pen().SetColor(FDown ? clBtnShadow : clBtnHighlight);
    Canvas.MoveTo(0, h - 1);
    Canvas.LineTo(0, 0);
    Canvas.LineTo(w - 1, 0);
    Canvas.Pen().SetColor(FDown ? clBtnHighlight : clBtnShadow);
    Canvas.LineTo(w - 1, h - 1);
    Canvas.LineTo(-1, h - 1);
    if (!FGlyph.Empty()) {
        const int x = (w - FGlyph.Width()) / 2 + shift, y = (h - FGlyph.Height()) / 2 + shift;
        if (Enabled()) Canvas.Draw(x, y, FGlyph);
    }
    if (FShowFocusRect) Canvas.DrawFocusRect(TRect{3 + shift, 3 + shift, w - 3 + shift, h - 3 + shift});
}

TSpinButton::TSpinButton(TComponent* AOwner, TTimerService& Timers) : TWinControl(AOwner) {
    FUpButton = MakeButton("SpinUp", OnUpClick, Timers);
    FDownButton = MakeButton("SpinDown", OnDownClick, Timers);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 20, 25);
}

TTimerSpeedButton* TSpinButton::MakeButton(const char* Glyph, TNotifyEvent& Event, TTimerService& Timers) {
    auto* button = new TTimerSpeedButton(this, Timers);
    button->SetParent(this);
    LoadSpinGlyph(Glyph, button->Glyph());
    button->OnClick = TNotifyEvent([&Event, this](TObject*) { Event(this); });
    button->OnMouseDown = TMouseEvent([this, button](TObject*, TMouseButton Pressed, int, int, int) {
        if (Pressed != mbLeft) return;
        SetFocusedButton(button);
        if (FFocusControl && FFocusControl->Enabled() && FFocusControl->Visible()) {
            if (!FFocusControl->Focused()) FFocusControl->SetFocus();
        } else if (!Focused()) {
            SetFocus();
        }
    });
    return button;
}

void TSpinButton::SetFocusedButton(TTimerSpeedButton* Value) {
    FFocusedButton = Value;
    FUpButton->SetShowFocusRect(Focused() && Value == FUpButton);
    FDownButton->SetShowFocusRect(Focused() && Value == FDownButton);
}

void TSpinButton::FocusFromWindow(bool Value) {
    TWinControl::FocusFromWindow(Value);
    SetFocusedButton(FFocusedButton);
}

void TSpinButton::KeyDown(uint16_t& Key, int Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == VkUp) SetFocusedButton(FUpButton);
    else if (Key == VkDown) SetFocusedButton(FDownButton);
    else if (Key != VkSpace) return;
    FFocusedButton->Click();
}

// The upper half steps up, the lower half down, overlapping by a pixel.
void TSpinButton::BoundsChanged(bool Resized) {
    TWinControl::BoundsChanged(Resized);
    if (Width() < 15) return SetBounds(Left(), Top(), 15, Height());
    const int up = Height() / 2;
    FUpButton->SetBounds(0, 0, Width(), up);
    FDownButton->SetBounds(0, up - 1, Width(), Height() - up + 1);
}

TSpinEdit::TSpinEdit(TComponent* AOwner, TWindowSystem& Windows) : TEdit(AOwner), FWindows(Windows) {
    SetMultiLine(true);
    FButton = new TSpinButton(this, Windows.Timers());
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->OnUpClick = TNotifyEvent([this](TObject*) { UpClick(); });
    FButton->OnDownClick = TNotifyEvent([this](TObject*) { DownClick(); });
    SetText("0");
    BoundsChanged(true);
}

int32_t TSpinEdit::CheckValue(int64_t Value) const {
    if (FMinValue == FMaxValue) return static_cast<int32_t>(std::clamp<int64_t>(Value, INT32_MIN, INT32_MAX));
    return static_cast<int32_t>(std::clamp<int64_t>(Value, FMinValue, FMaxValue));
}

int32_t TSpinEdit::Value() const {
    std::string_view text = Text();
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return FMinValue;
    return value;
}

void TSpinEdit::SetValue(int64_t Value) { SetText(std::to_string(CheckValue(Value))); }

void TSpinEdit::UpClick() {
    if (ReadOnly()) return FWindows.Beep();
    SetValue(static_cast<int64_t>(Value()) + FIncrement);
}

void TSpinEdit::DownClick() {
    if (ReadOnly()) return FWindows.Beep();
    SetValue(static_cast<int64_t>(Value()) - FIncrement);
}

bool TSpinEdit::IsValidChar(char Key) const {
    const auto code = static_cast<unsigned char>(Key);
    if (!FEditorEnabled) return code < 32 && code != 8 && code != 13;
    if (code < 32) return code != 13;
    return Key == '+' || Key == '-' || (Key >= '0' && Key <= '9') || Key == DecimalSeparator();
}

void TSpinEdit::KeyDown(uint16_t& Key, int Shift) {
    if (Key == VkUp) UpClick();
    else if (Key == VkDown) DownClick();
    TEdit::KeyDown(Key, Shift);
}

void TSpinEdit::KeyPress(char& Key) {
    if (!IsValidChar(Key)) {
        Key = 0;
        FWindows.Beep();
    }
    if (Key) TEdit::KeyPress(Key);
}

// Entering by the keyboard selects the text; leaving puts a value outside
// the bounds back within them.
void TSpinEdit::FocusFromWindow(bool Value) {
    TEdit::FocusFromWindow(Value);
    if (Value && FAutoSelect && !Pressing()) SelectAll();
    if (!Value && CheckValue(this->Value()) != this->Value()) SetValue(this->Value());
}

int TSpinEdit::MinHeight() const {
    const int font = TextRenderer().Metric(Font()).Height;
    TFont system;
    system.SetName("System");
    system.SetHeight(16);
    const int systemFont = TextRenderer().Metric(system).Height;
    constexpr int border = 1;  // the system's border height
    return 4 * border + font + std::min(systemFont, font) / 4 + 2;
}

// The buttons stand inside the box at its right; the text stops before them.
void TSpinEdit::BoundsChanged(bool Resized) {
    TEdit::BoundsChanged(Resized);
    if (!Resized || !FButton) return;
    if (Height() < MinHeight()) return SetBounds(Left(), Top(), Width(), MinHeight());
    const int buttonWidth = FButton->Width();
    FButton->SetBounds(Width() - buttonWidth - 5, 0, buttonWidth, Height() - 5);
    const int clientWidth = Width() - 4, clientHeight = Height() - 4;  // inside the sunken edge
    SetTextRect(TRect{0, 0, clientWidth - buttonWidth - 2, clientHeight + 1});
}
