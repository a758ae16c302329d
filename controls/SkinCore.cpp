#include "controls/SkinCore.h"

#include "core/Messages.h"

namespace {

void Announce(TControl& Control) {
    if (auto* skinned = dynamic_cast<TSkinCustomControl*>(&Control)) skinned->ActiveControlChanged();
    if (auto* container = dynamic_cast<TWinControl*>(&Control))
        for (int i = 0; i < container->ControlCount(); ++i) Announce(*container->Controls(i));
}

// Control's top-left corner in its window's client coordinates.
TPoint WindowOrigin(const TControl& Control) {
    TPoint origin;
    for (const TControl* c = &Control; c->Parent(); c = c->Parent()) origin = {origin.X + c->Left(), origin.Y + c->Top()};
    return origin;
}

// The last shown skinned control in Parent's tree (the topmost) whose area
// holds Point, in the window's coordinates.
TSkinCustomControl* SkinnedAt(TWinControl& Parent, TPoint Point, const TControl* Except) {
    TSkinCustomControl* found = nullptr;
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        TControl* c = Parent.Controls(i);
        if (!c->Visible()) continue;
        auto* skinned = dynamic_cast<TSkinCustomControl*>(c);
        const TPoint origin = WindowOrigin(*c);
        const bool under = Bounds(origin.X, origin.Y, c->Width(), c->Height()).Contains(Point);
        if (skinned && skinned != Except && under) found = skinned;
        if (auto* container = dynamic_cast<TWinControl*>(c))
            if (TSkinCustomControl* inner = SkinnedAt(*container, Point, Except)) found = inner;
    }
    return found;
}

bool Modified(int Shift) { return (Shift & (ssShift | ssAlt | ssCtrl)) != 0; }

}  // namespace

void AnnounceActiveControl(TControl& Control) {
    TWinControl* top = TopParent(Control);
    Announce(top ? *top : Control);
}

bool TSkinCustomControl::CanFocus() const {
    if (!Parent()) return false;
    for (const TControl* c = this; c->Parent(); c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TSkinCustomControl::ActiveControlChanged() {
    TWinControl* top = TopParent(*this);
    FActiveIsSkinned = top && dynamic_cast<TSkinCustomControl*>(top->ActiveControl()) != nullptr;
    Invalidate();
}

// Told once per entry, whether by the window or by a release that ends a
// press elsewhere over this control.
void TSkinCustomControl::MouseEnter() {
    if (FMouseOver) return;
    FMouseOver = true;
    FHot = true;
    Invalidate();
    TControl::MouseEnter();
}

void TSkinCustomControl::MouseLeave() {
    if (!FMouseOver) return;
    FMouseOver = false;
    FHot = false;
    Invalidate();
    TControl::MouseLeave();
}

void TSkinCustomControl::Press() {
    if (!Focused()) SetFocus();
    FPressed = true;
    Invalidate();
}

void TSkinCustomControl::MouseDown(TMouseButton Button, int Shift, int X, int Y) {
    TControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FLeftDown = true;
    Press();
}

// The click comes last: its handler may destroy the control.
void TSkinCustomControl::MouseUp(TMouseButton Button, int Shift, int X, int Y) {
    const bool ends = Button == mbLeft && FLeftDown;
    if (ends) {
        FLeftDown = false;
        FPressed = false;
        Invalidate();
    }
    TControl::MouseUp(Button, Shift, X, Y);
    if (!ends) return;
    if (!Bounds(0, 0, Width(), Height()).Contains({X, Y})) {
        if (TSkinCustomControl* other = SkinnedControlAt(X, Y)) other->MouseEnter();
        return;
    }
    if (Enabled()) Click();
}

TSkinCustomControl* TSkinCustomControl::SkinnedControlAt(int X, int Y) {
    TWinControl* top = TopParent(*this);
    if (!Parent() || !top) return nullptr;
    const TPoint origin = WindowOrigin(*this);
    return SkinnedAt(*top, {origin.X + X, origin.Y + Y}, this);
}

// The space bar presses the control as the left button does; the key is the
// control's, so the system's button never sees it.
void TSkinCustomControl::KeyDown(uint16_t& Key, int Shift) {
    TControl::KeyDown(Key, Shift);
    if (Key != VK_SPACE_KEY || Modified(Shift) || !Enabled()) return;
    FHot = true;
    Press();
    Key = 0;
}

// Only a press that the keys began ends at a key's release: one that the
// mouse holds ends, and clicks, at the button's release.
void TSkinCustomControl::KeyUp(uint16_t& Key, int Shift) {
    TControl::KeyUp(Key, Shift);
    if (!FPressed || FLeftDown) return;
    if (!FMouseOver) FHot = false;
    FPressed = false;
    Invalidate();
    Key = 0;
    Click();
}

void TSkinCustomControl::FocusFromWindow(bool Value) {
    if (Value == Focused()) return;
    TControl::FocusFromWindow(Value);
    if (!Value) FPressed = false;
    AnnounceActiveControl(*this);
}
