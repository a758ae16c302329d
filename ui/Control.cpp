#include "ui/Control.h"

#include <algorithm>

#include "ui/Menus.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = TNotifyEvent([this](TObject*) { Changed(ccFont); });
}

// The peer goes first, while the control still knows its parent (and so the
// form whose tool-tips name it).
TControl::~TControl() {
    FPeer.reset();
    SetParent(nullptr);
}

TWinControl* TopParent(TControl& Control) {
    TWinControl* top = Control.Parent();
    if (!top) return dynamic_cast<TWinControl*>(&Control);
    while (top->Parent()) top = top->Parent();
    return top;
}

void TControl::SetParent(TWinControl* Value) {
    if (Value == FParent) return;
    if (FFocused) {  // the focus stays behind in the old window
        FFocused = false;
        if (TWinControl* top = TopParent(*this); top && top->FActiveControl == this) top->FActiveControl = nullptr;
    }
    if (FParent) {
        auto& list = FParent->FControls;
        list.erase(std::find(list.begin(), list.end(), this));
        if (FAlign != alNone) FParent->AlignControls();
    }
    FParent = Value;
    if (FParent) {
        FParent->FControls.push_back(this);
        if (FAlign != alNone) FParent->AlignControls();
    }
}

void TControl::SetBounds(int Left, int Top, int Width, int Height) {
    TRect r = Bounds(Left, Top, std::max(Width, 0), std::max(Height, 0));
    if (r == FBounds) return;
    bool resized = r.Width() != FBounds.Width() || r.Height() != FBounds.Height();
    FBounds = r;
    Changed(ccBounds);
    BoundsChanged(resized);
}

void TControl::BoundsFromWindow(const TRect& Value) {
    if (Value == FBounds) return;
    bool resized = Value.Width() != FBounds.Width() || Value.Height() != FBounds.Height();
    FBounds = Value;
    BoundsChanged(resized);
}

void TControl::BoundsChanged(bool Resized) {
    if (!Resized) return;
    OnResize(this);
    if (FAlign != alNone && FParent) FParent->AlignControls();
}

void TControl::SetAlign(TAlign Value) {
    if (Value == FAlign) return;
    FAlign = Value;
    if (FParent) FParent->AlignControls();
}

void TControl::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed(ccPaint);
    if (auto* container = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < container->ControlCount(); ++i) container->Controls(i)->Invalidate();
}

void TControl::SetCursor(TCursor Value) {
    if (Value == FCursor) return;
    FCursor = Value;
    Changed(ccCursor);
}

void TControl::SetVisible(bool Value) {
    if (Value == FVisible) return;
    FVisible = Value;
    Changed(ccVisible);
    if (FAlign != alNone && FParent) FParent->AlignControls();
}

void TControl::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    Changed(ccEnabled);
}

void TControl::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Changed(ccCaption);
}

void TControl::SetHint(const std::string& Value) {
    if (Value == FHint) return;
    FHint = Value;
    Changed(ccHint);
}

// With a window the system moves the focus and says so; without one the
// focus moves here at once, from the control that had it.
void TControl::SetFocus() {
    if (FPeer) return Changed(ccFocus);
    if (FFocused) return;
    if (TWinControl* top = TopParent(*this); top && top->FActiveControl) top->FActiveControl->FocusFromWindow(false);
    FocusFromWindow(true);
}

bool TControl::CanFocus() const {
    if (!FParent) return false;
    for (const TControl* c = this; c->FParent; c = c->FParent)
        if (!c->FVisible || !c->FEnabled) return false;
    return true;
}

void TControl::FocusFromWindow(bool Value) {
    if (Value == FFocused) return;
    FFocused = Value;
    if (TWinControl* top = TopParent(*this)) {
        if (Value) top->FActiveControl = this;
        else if (top->FActiveControl == this) top->FActiveControl = nullptr;
    }
    if (Value) OnEnter(this);
    else OnExit(this);
}

void TControl::SetMouseCapture(bool Value) {
    if (Value == FMouseCapture) return;
    FMouseCapture = Value;
    Changed(ccCapture);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
    if (Value == FPopupMenu) return;
    RemoveFreeNotification(FPopupMenu);
    FPopupMenu = Value;
    FreeNotification(Value);
}

void TControl::Notification(TComponent* AComponent) {
    if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

bool TControl::ContextPopup(int ScreenX, int ScreenY) {
    for (TControl* c = this; c; c = c->Parent()) {
        TPopupMenu* menu = c->PopupMenu();
        if (!menu) continue;
        if (!menu->AutoPopup()) return false;
        menu->SetPopupComponent(this);
        menu->Popup(ScreenX, ScreenY);
        return true;
    }
    return false;
}

void TControl::CreatePeers(TPeerFactory& Factory) {
    FPeer = Factory.CreatePeer(*this, FParent ? FParent->Peer() : nullptr);
}

TWinControl::~TWinControl() {
    // The children's windows go while they can still reach the form (whose
    // tool-tips name them); children owned elsewhere outlive the link.
    DestroyPeers();
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
}

void TWinControl::CreatePeers(TPeerFactory& Factory) {
    TControl::CreatePeers(Factory);
    for (TControl* c : FControls) c->CreatePeers(Factory);
}

void TWinControl::DestroyPeers() {
    for (TControl* c : FControls) c->DestroyPeers();
    TControl::DestroyPeers();
}

bool TWinControl::DialogKey(uint16_t Key, int Shift) {
    const std::vector<TControl*> children = FControls;  // a click may change them
    return std::any_of(children.begin(), children.end(), [&](TControl* c) { return c->DialogKey(Key, Shift); });
}

bool TWinControl::DialogChar(char Key, int Shift) {
    const std::vector<TControl*> children = FControls;
    return std::any_of(children.begin(), children.end(), [&](TControl* c) { return c->DialogChar(Key, Shift); });
}

// Every descendant in layout order, a parent before its children; hidden
// ones and what they hold are left out.
void TWinControl::AddTabOrder(std::vector<TControl*>& List) const {
    for (TControl* c : FControls) {
        if (!c->Visible()) continue;
        List.push_back(c);
        if (auto* container = dynamic_cast<const TWinControl*>(c)) container->AddTabOrder(List);
    }
}

TControl* TWinControl::FindNextControl(TControl* Current, bool GoForward) const {
    std::vector<TControl*> order;
    AddTabOrder(order);
    const auto count = static_cast<ptrdiff_t>(order.size());
    const ptrdiff_t at = std::find(order.begin(), order.end(), Current) - order.begin();
    // Not among them: the search starts just outside either end.
    ptrdiff_t i = at < count ? at : (GoForward ? -1 : count);
    for (ptrdiff_t step = 0; step < count; ++step) {
        i = ((GoForward ? i + 1 : i - 1) % count + count) % count;
        if (order[i] != Current && order[i]->TabStop() && order[i]->CanFocus()) return order[i];
    }
    return nullptr;
}

bool TWinControl::SelectNext(TControl* Current, bool GoForward) {
    TControl* next = FindNextControl(Current, GoForward);
    if (!next) return false;
    next->SetFocus();
    return true;
}

void TWinControl::BoundsChanged(bool Resized) {
    TControl::BoundsChanged(Resized);
    if (Resized) AlignControls();
}

void TWinControl::AlignControls() {
    if (FAligning) return;  // the children's own moves come back here
    FAligning = true;
    TRect r = ClientRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : FControls) {
            if (c->Align() != align || !c->Visible()) continue;
            const int w = std::min(c->Width(), std::max(r.Width(), 0)), h = std::min(c->Height(), std::max(r.Height(), 0));
            switch (align) {
                case alTop: c->SetBounds(r.Left, r.Top, r.Width(), c->Height()); r.Top += h; break;
                case alBottom: c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height()); r.Bottom -= h; break;
                case alLeft: c->SetBounds(r.Left, r.Top, c->Width(), r.Height()); r.Left += w; break;
                case alRight: c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height()); r.Right -= w; break;
                default: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
            }
        }
    }
    FAligning = false;
}
