#pragma once
// A flat button, drawn by itself: the parent's face with its picture and
// caption, raised while the mouse is over it and sunken while it is held
// there. A left press released over it is a click; the window holds the
// mouse meanwhile, so that the release comes back wherever it happens.
#include "ui/Control.h"
#include "ui/ImageList.h"

class TFlatButton : public TControl {
public:
    explicit TFlatButton(TComponent* AOwner);
    ~TFlatButton() override;

    // The picture beside the caption: the list's first image, when it has one.
    TImageList& Glyph() { return FGlyph; }
    bool Hot() const { return FHot; }
    bool Down() const { return FDown; }

    void Paint(TCanvas& Canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton Button, int Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, int Shift, int X, int Y) override;

private:
    bool Pressed() const { return FHot && FDown; }

    TImageList FGlyph{nullptr};
    bool FHot = false;
    bool FDown = false;
};
