#include "ui/Control.h"

#include <algorithm>

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = TNotifyEvent([this](TObject*) { Changed(ccFont); });
}

// The peer goes first, while the control still knows its parent (and so the
// form whose tool-tips name it).
TControl::~TControl() {
    FPeer.reset();
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* Value) {
    if (Value == FParent) return;
    if (FParent) {
        auto& list = FParent->FControls;
        list.erase(std::find(list.begin(), list.end(), this));
    }
    FParent = Value;
    if (FParent) FParent->FControls.push_back(this);
}

void TControl::SetBounds(int Left, int Top, int Width, int Height) {
    TRect r = Bounds(Left, Top, Width, Height);
    if (r == FBounds) return;
    FBounds = r;
    Changed(ccBounds);
}

void TControl::BoundsFromWindow(const TRect& Value) {
    if (Value == FBounds) return;
    bool resized = Value.Width() != FBounds.Width() || Value.Height() != FBounds.Height();
    FBounds = Value;
    if (resized) OnResize(this);
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

void TControl::CreatePeers(TPeerFactory& Factory) {
    FPeer = Factory.CreatePeer(*this, FParent ? FParent->Peer() : nullptr);
}

TWinControl::~TWinControl() {
    // Children owned elsewhere outlive the link to this parent.
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
