#include "core/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (FOwner) FOwner->Insert(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (FOwner) FOwner->Remove(this);
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
