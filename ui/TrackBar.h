#pragma once
// A track bar: a thumb on a scale from Min to Max (the full 32-bit range),
// ticks every Frequency, and a highlighted selection from SelStart to SelEnd.
// The position always lies within the range: a position outside it is held
// to the nearer end, and a range that leaves the position outside moves it.
// Every change of the position, by the program, by a change of the range or
// by the user's dragging, raises OnChange once.
#include <cstdint>

#include "ui/Control.h"

class TTrackBar : public TControl {
public:
    explicit TTrackBar(TComponent* AOwner);
    TControlKind Kind() const override { return ckTrackBar; }

    int32_t Min() const { return FMin; }
    int32_t Max() const { return FMax; }
    // A maximum below the minimum is raised to it.
    void SetRange(int32_t Min, int32_t Max);
    void SetMin(int32_t Value) { SetRange(Value, FMax); }
    void SetMax(int32_t Value) { SetRange(FMin, Value); }
    int32_t Frequency() const { return FFrequency; }
    void SetFrequency(int32_t Value);
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t Value);
    int32_t SelStart() const { return FSelStart; }
    int32_t SelEnd() const { return FSelEnd; }
    void SetSelection(int32_t Start, int32_t End);
    void SetSelEnd(int32_t Value) { SetSelection(FSelStart, Value); }

    // The user moved the thumb.
    void PositionFromWindow(int32_t Value) {
        FromWindow(ccPosition, [&] { SetPosition(Value); }, [&] { return FPosition == Value; });
    }

    TNotifyEvent OnChange;

private:
    int32_t FMin = 0;
    int32_t FMax = 10;
    int32_t FFrequency = 1;
    int32_t FPosition = 0;
    int32_t FSelStart = 0;
    int32_t FSelEnd = 0;
};
