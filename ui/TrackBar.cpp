#include "ui/TrackBar.h"

#include <algorithm>

TTrackBar::TTrackBar(TComponent* AOwner) : TControl(AOwner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::SetRange(int32_t Min, int32_t Max) {
    Max = std::max(Min, Max);
    if (Min == FMin && Max == FMax) return;
    FMin = Min;
    FMax = Max;
    Changed(ccRange);
    SetPosition(FPosition);  // held within the new range
}

void TTrackBar::SetFrequency(int32_t Value) {
    if (Value == FFrequency) return;
    FFrequency = Value;
    Changed(ccRange);
}

void TTrackBar::SetPosition(int32_t Value) {
    Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition) return;
    FPosition = Value;
    Changed(ccPosition);
    OnChange(this);
}

void TTrackBar::SetSelection(int32_t Start, int32_t End) {
    if (Start == FSelStart && End == FSelEnd) return;
    FSelStart = Start;
    FSelEnd = End;
    Changed(ccSelection);
}
