#pragma once
// A picture control: draws its bitmap, stretched to the control when Stretch is set.
#include "ui/Bitmap.h"
#include "ui/Control.h"

class TImage : public TControl {
public:
    using TControl::TControl;

    TBitmap& Picture() { return FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    void Paint(TCanvas& Canvas) override;

private:
    TBitmap FPicture;
    bool FStretch = false;
};
