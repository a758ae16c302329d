#include "controls/SkinCore.h"

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

}  // namespace

void AnnounceActiveControl(TControl& Control) {
    TWinControl* top = TopParent(Control);
    Announce(top ? *top : Control);
}

void TSkinCustomControl::ActiveControlChanged() {
    TWinControl* top = TopParent(*this);
    FActiveIsSkinned = top && dynamic_cast<TSkinCustomControl*>(top->ActiveControl()) != nullptr;
    Invalidate();
}

void TSkinCustomControl::ReleasedOutside(int X, int Y) {
    TWinControl* top = TopParent(*this);
    if (!Parent() || !top) return;
    const TPoint origin = WindowOrigin(*this);
    if (TSkinCustomControl* other = SkinnedAt(*top, {origin.X + X, origin.Y + Y}, this)) other->MouseEnter();
}

void TSkinCustomControl::FocusFromWindow(bool Value) {
    if (Value == Focused()) return;
    TPushControl::FocusFromWindow(Value);
    AnnounceActiveControl(*this);
}
