#pragma once
// A control that the user pushes as a button: with the mouse, the space bar
// and, while it has the focus, Enter. To the system it is a real push button
// that the program draws.
//
// Hot: the mouse is over the control, or the space bar is held on it.
// Pressed: the left button or the space bar went down on it and has not come
// up. A press completes, with a click, when the left button comes up over
// the control, or when a key comes up after the space bar began it.
#include "ui/Control.h"

class TPushControl : public TControl {
public:
    explicit TPushControl(TComponent* AOwner);
    TControlKind Kind() const override { return ckOwnerDrawButton; }

    bool Hot() const { return FHot; }
    bool Pressed() const { return FPressed; }

    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton Button, int Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, int Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, int Shift) override;
    void KeyUp(uint16_t& Key, int Shift) override;
    // Enter clicks the focused control.
    bool DialogKey(uint16_t Key, int Shift) override;
    void FocusFromWindow(bool Value) override;

protected:
    // The left button came up at (X, Y), outside the control, ending a press.
    virtual void ReleasedOutside(int X, int Y) { (void)X, (void)Y; }

private:
    // The left-button press: focus, pressed look.
    void Press();

    bool FHot = false;
    bool FPressed = false;
    bool FLeftDown = false;   // the left button went down on the control
    bool FMouseOver = false;  // between the mouse's entering and leaving
};
