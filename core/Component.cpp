#include "core/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (FOwner) FOwner->Insert(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->Unlink(this);
        other->Notification(this);
    }
    if (FOwner) FOwner->Remove(this);
}

void TComponent::FreeNotification(TComponent* Other) {
    if (!Other || Other == this || std::find(FFreeNotifies.begin(), FFreeNotifies.end(), Other) != FFreeNotifies.end())
        return;
    FFreeNotifies.push_back(Other);
    Other->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* Other) {
    if (!Other) return;
    Unlink(Other);
    Other->Unlink(this);
}

void TComponent::Unlink(TComponent* Other) {
    auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), Other);
    if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
}

void TComponent::DestroyComponents() {
    FDestroying = true;
    while (!FComponents.empty()) delete FComponents.back();  // each removes itself
}

void TComponent::Remove(TComponent* Child) {
    auto it = std::find(FComponents.begin(), FComponents.end(), Child);
    if (it != FComponents.end()) FComponents.erase(it);
}

TComponent* TComponent::FindComponent(std::string_view Name) const {
    for (TComponent* c : FComponents)
        if (c->Name() == Name) return c;
    return nullptr;
}

void TComponent::Loaded() { FLoaded = true; }

void TComponent::LoadedTree() {
    for (TComponent* c : FComponents) c->LoadedTree();
    Loaded();
}
