#pragma once
// A picture control: draws its bitmap, stretched to the control when Stretch
// is set, and paints again whenever the bitmap changes.
#include "ui/Bitmap.h"
#include "ui/Control.h"

class TImage : public TControl {
public:
    explicit TImage(TComponent* AOwner);

    TBitmap& Picture() { return FPicture; }
    const TBitmap& Picture() const { return FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    void Paint(TCanvas& Canvas) override;

private:
    TBitmap FPicture;
    bool FStretch = false;
};
