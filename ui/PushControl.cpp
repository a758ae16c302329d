#include "ui/PushControl.h"

#include "core/Messages.h"

namespace {
bool Modified(int Shift) { return (Shift & (ssShift | ssAlt | ssCtrl)) != 0; }
}  // namespace

TPushControl::TPushControl(TComponent* AOwner) : TControl(AOwner) { SetTabStop(true); }

// Told once per entry, whether by the window or by a release that ends a
// press elsewhere over this control.
void TPushControl::MouseEnter() {
    if (FMouseOver) return;
    FMouseOver = true;
    FHot = true;
    Invalidate();
    TControl::MouseEnter();
}

void TPushControl::MouseLeave() {
    if (!FMouseOver) return;
    FMouseOver = false;
    FHot = false;
    Invalidate();
    TControl::MouseLeave();
}

void TPushControl::Press() {
    if (!Focused()) SetFocus();
    FPressed = true;
    Invalidate();
}

void TPushControl::MouseDown(TMouseButton Button, int Shift, int X, int Y) {
    TControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FLeftDown = true;
    Press();
}

// The click comes last: its handler may destroy the control.
void TPushControl::MouseUp(TMouseButton Button, int Shift, int X, int Y) {
    const bool ends = Button == mbLeft && FLeftDown;
    if (ends) {
        FLeftDown = false;
        FPressed = false;
        Invalidate();
    }
    TControl::MouseUp(Button, Shift, X, Y);
    if (!ends) return;
    if (!Bounds(0, 0, Width(), Height()).Contains({X, Y})) return ReleasedOutside(X, Y);
    if (Enabled()) Click();
}

// The space bar presses the control as the left button does; the key is the
// control's, so the system's button never sees it.
void TPushControl::KeyDown(uint16_t& Key, int Shift) {
    TControl::KeyDown(Key, Shift);
    if (Key != VK_SPACE_KEY || Modified(Shift) || !Enabled()) return;
    FHot = true;
    Press();
    Key = 0;
}

// Only a press that the keys began ends at a key's release: one that the
// mouse holds ends, and clicks, at the button's release.
void TPushControl::KeyUp(uint16_t& Key, int Shift) {
    TControl::KeyUp(Key, Shift);
    if (!FPressed || FLeftDown) return;
    if (!FMouseOver) FHot = false;
    FPressed = false;
    Invalidate();
    Key = 0;
    Click();
}

bool TPushControl::DialogKey(uint16_t Key, int Shift) {
    if (Key != VK_RETURN_KEY || Modified(Shift) || !Focused() || !CanFocus()) return false;
    Click();
    return true;
}

void TPushControl::FocusFromWindow(bool Value) {
    if (Value == Focused()) return;
    TControl::FocusFromWindow(Value);
    if (!Value) FPressed = false;
    Invalidate();
}
