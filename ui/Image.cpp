#include "ui/Image.h"

#include "ui/Canvas.h"

TImage::TImage(TComponent* AOwner) : TControl(AOwner) {
    FPicture.OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
}

void TImage::SetStretch(bool Value) {
    FStretch = Value;
    Invalidate();
}

void TImage::Paint(TCanvas& Canvas) {
    if (FPicture.Width() == 0 || FPicture.Height() == 0) return;
    TRect target = FStretch ? Bounds(0, 0, Width(), Height()) : Bounds(0, 0, FPicture.Width(), FPicture.Height());
    Canvas.StretchDraw(target, FPicture);
}
