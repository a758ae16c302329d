#pragma once
// The base of the window's skinned controls, pushed as buttons, and the
// colours of their gradients.
#include <cstdint>

#include "ui/PushControl.h"

enum TSkinQuality : uint8_t { bqLow, bqMiddle, bqHigh };

// The colours of a skinned control's gradients and caption; every change
// of a value is told through OnChange.
class TSkinColors : public TObject {
public:
    TColor BackgroundFrom() const { return FBackgroundFrom; }
    void SetBackgroundFrom(TColor Value) { Set(FBackgroundFrom, Value); }
    TColor BackgroundTo() const { return FBackgroundTo; }
    void SetBackgroundTo(TColor Value) { Set(FBackgroundTo, Value); }
    // Kept for the designer's sake; no drawing uses it.
    TColor BorderEdges() const { return FBorderEdges; }
    void SetBorderEdges(TColor Value) { Set(FBorderEdges, Value); }
    TColor BorderLine() const { return FBorderLine; }
    void SetBorderLine(TColor Value) { Set(FBorderLine, Value); }
    TColor ClickedFrom() const { return FClickedFrom; }
    void SetClickedFrom(TColor Value) { Set(FClickedFrom, Value); }
    TColor ClickedTo() const { return FClickedTo; }
    void SetClickedTo(TColor Value) { Set(FClickedTo, Value); }
    TColor FocusedFrom() const { return FFocusedFrom; }
    void SetFocusedFrom(TColor Value) { Set(FFocusedFrom, Value); }
    TColor FocusedTo() const { return FFocusedTo; }
    void SetFocusedTo(TColor Value) { Set(FFocusedTo, Value); }
    TColor HighlightFrom() const { return FHighlightFrom; }
    void SetHighlightFrom(TColor Value) { Set(FHighlightFrom, Value); }
    TColor HighlightTo() const { return FHighlightTo; }
    void SetHighlightTo(TColor Value) { Set(FHighlightTo, Value); }
    // The caption's colour under the mouse, where the control tracks it.
    TColor HotTrack() const { return FHotTrack; }
    void SetHotTrack(TColor Value) { Set(FHotTrack, Value); }

    TNotifyEvent OnChange;

private:
    void Set(TColor& Field, TColor Value) {
        if (Field == Value) return;
        Field = Value;
        OnChange(this);
    }

    TColor FBackgroundFrom = 0xFFFFFF;
    TColor FBackgroundTo = 0xE7EBEF;
    TColor FBorderEdges = 0xC0C0C0;
    TColor FBorderLine = 0x808080;
    TColor FClickedFrom = 0xC6CFD6;
    TColor FClickedTo = 0xEBF3F7;
    TColor FFocusedFrom = 0xFFE7CE;
    TColor FFocusedTo = 0xEF846D;
    TColor FHighlightFrom = 0xCEF3FF;
    TColor FHighlightTo = 0x0096E7;
    TColor FHotTrack = 0x0000FF;
};

// A push control that the window's other skinned controls know of: a default
// button stays framed while none of them is the active control.
class TSkinCustomControl : public TPushControl {
public:
    using TPushControl::TPushControl;

    // Whether the active control of the control's window is a skinned one.
    bool ActiveIsSkinned() const { return FActiveIsSkinned; }
    // The window's active control changed: ActiveIsSkinned follows, and the
    // control repaints.
    void ActiveControlChanged();

    void FocusFromWindow(bool Value) override;

protected:
    // A press released over another skinned control leaves the mouse there.
    void ReleasedOutside(int X, int Y) override;

private:
    bool FActiveIsSkinned = false;
};

// Every skinned control of Control's window recomputes ActiveIsSkinned.
void AnnounceActiveControl(TControl& Control);
