#pragma once
// A flat button, drawn by itself: the parent's face with its picture and
// caption, raised while the mouse is over it, sunken while it is held there,
// with the focus rectangle while it has the focus. It is pushed as any
// button: the mouse, the space bar, Enter.
#include "ui/ImageList.h"
#include "ui/PushControl.h"

class TFlatButton : public TPushControl {
public:
    explicit TFlatButton(TComponent* AOwner);
    ~TFlatButton() override;

    // The picture beside the caption: the list's first image, when it has one.
    TImageList& Glyph() { return FGlyph; }

    void Paint(TCanvas& Canvas) override;

private:
    TImageList FGlyph{nullptr};
};
