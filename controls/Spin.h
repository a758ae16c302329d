#pragma once
// A one-line numeric edit box with a pair of small up and down buttons at its
// right edge: the buttons and the arrow keys step the value, a held button
// repeats, and typing is limited to what can make an integer.
#include <cstdint>

#include "platform/WindowSystem.h"
#include "ui/Bitmap.h"
#include "ui/Edit.h"
#include "ui/Timer.h"

// A flat button that clicks again and again while it is held: 400 ms after
// the press, then every 100 ms, as long as it is down and has the mouse; its
// ordinary click comes when it is released over it.
class TTimerSpeedButton : public TControl {
public:
    TTimerSpeedButton(TComponent* AOwner, TTimerService& Timers);

    TBitmap& Glyph() { return FGlyph; }
    bool Down() const { return FDown; }
    bool TimerAllowed() const { return FTimerAllowed; }
    void SetTimerAllowed(bool Value) { FTimerAllowed = Value; }
    // A focus rectangle inset by 3 pixels (shifted with the press).
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value);

    void MouseDown(TMouseButton Button, int Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, int Shift, int X, int Y) override;
    void Paint(TCanvas& Canvas) override;

private:
    void Repeat(TObject*);

    TBitmap FGlyph;
    TTimer FRepeat;
    bool FDown = false;
    bool FTimerAllowed = true;
    bool FShowFocusRect = false;
};

// The pair of buttons: the upper half steps up, the lower half down. A press
// gives the keyboard focus to FocusControl (the edit box) when it can take
// it, else to the pair itself, which then answers space and the arrow keys.
class TSpinButton : public TWinControl {
public:
    TSpinButton(TComponent* AOwner, TTimerService& Timers);

    TTimerSpeedButton* UpButton() const { return FUpButton; }
    TTimerSpeedButton* DownButton() const { return FDownButton; }
    TTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

    void KeyDown(uint16_t& Key, int Shift) override;
    void FocusFromWindow(bool Value) override;

protected:
    void BoundsChanged(bool Resized) override;

private:
    TTimerSpeedButton* MakeButton(const char* Glyph, TNotifyEvent& Event, TTimerService& Timers);
    void SetFocusedButton(TTimerSpeedButton* Value);

    TTimerSpeedButton* FUpButton;
    TTimerSpeedButton* FDownButton;
    TTimerSpeedButton* FFocusedButton;
    TWinControl* FFocusControl = nullptr;
};

class TSpinEdit : public TEdit {
public:
    TSpinEdit(TComponent* AOwner, TWindowSystem& Windows);

    // Equal bounds mean no bounds.
    int32_t MinValue() const { return FMinValue; }
    void SetMinValue(int32_t Value) { FMinValue = Value; }
    int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int32_t Value) { FMaxValue = Value; }
    int32_t Increment() const { return FIncrement; }
    void SetIncrement(int32_t Value) { FIncrement = Value; }
    // The text as a decimal integer; MinValue when it is none (or passes 32 bits).
    int32_t Value() const;
    // Writes the value, held within the bounds, as the text.
    void SetValue(int64_t Value);
    int32_t CheckValue(int64_t Value) const;
    // Typing, cutting and pasting allowed.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    // The whole text is selected when the focus comes by the keyboard.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    TSpinButton* Button() const { return FButton; }
    // The least height that shows a line of text in the control's font.
    int MinHeight() const;

    // A beep while read-only; otherwise Value ± Increment (at most to the
    // ends of the 32-bit range).
    void UpClick();
    void DownClick();
    bool IsValidChar(char Key) const;
    bool AllowsCutAndPaste() const override { return FEditorEnabled && !ReadOnly(); }

    void KeyDown(uint16_t& Key, int Shift) override;
    void KeyPress(char& Key) override;
    void FocusFromWindow(bool Value) override;

protected:
    void BoundsChanged(bool Resized) override;

private:
    TWindowSystem& FWindows;
    TSpinButton* FButton = nullptr;
    int32_t FMinValue = 0;
    int32_t FMaxValue = 0;
    int32_t FIncrement = 1;
    bool FEditorEnabled = true;
    bool FAutoSelect = true;
};
