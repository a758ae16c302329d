#include "ui/Menus.h"

#include <algorithm>

#include "platform/WindowSystem.h"
#include "ui/Control.h"

TMenuItem::~TMenuItem() {
    // Sub-items owned elsewhere outlive the link to this item.
    while (!FItems.empty()) Remove(FItems.back());
    if (FParent) FParent->Remove(this);
}

void TMenuItem::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    if (!Value || !FRadioItem || !FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->FChecked = false;
}

void TMenuItem::Add(TMenuItem* Item) {
    if (Item->FParent) Item->FParent->Remove(Item);
    Item->FParent = this;
    FItems.push_back(Item);
}

void TMenuItem::Remove(TMenuItem* Item) {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    Item->FParent = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TPopupMenu* TMenuItem::Menu() const {
    const TMenuItem* root = this;
    while (root->FParent) root = root->FParent;
    return root->FMenu;
}

TPopupMenu::TPopupMenu(TComponent* AOwner, TWindowSystem& Windows)
    : TComponent(AOwner), FWindows(Windows), FItems(new TMenuItem(this)) {
    FItems->FMenu = this;
}

TPopupMenu::~TPopupMenu() { FItems->FMenu = nullptr; }

void TPopupMenu::Notification(TComponent* AComponent) {
    FImages.Forget(AComponent);
    if (AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (Value == FPopupComponent) return;
    RemoveFreeNotification(FPopupComponent);
    FPopupComponent = Value;
    FreeNotification(Value);
}

void TPopupMenu::Popup(int X, int Y) {
    OnPopup(this);
    void* owner = nullptr;
    if (auto* control = dynamic_cast<TControl*>(Owner())) owner = TopParent(*control)->Handle();
    TMenuItem* chosen = FWindows.TrackPopupMenu(*this, X, Y, owner);
    if (chosen && chosen->Enabled()) chosen->Click();
}
