#include "ui/TreeView.h"

void TTreeNode::SetText(const std::string& Value) {
    if (Value == FText) return;
    FText = Value;
    FOwner.NodesChanged();
}

void TTreeNode::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    FOwner.NodesChanged();
}

void TTreeNode::SetExpanded(bool Value) {
    if (Value == FExpanded) return;
    FExpanded = Value;
    FOwner.NodesChanged();
}

TTreeView::TTreeView(TComponent* AOwner) : TControl(AOwner) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
}

TTreeNode* TTreeView::Add(TTreeNode* Parent, const std::string& Text) {
    auto& list = Parent ? Parent->FChildren : FRoots;
    list.push_back(std::make_unique<TTreeNode>(*this, Parent, Text));
    NodesChanged();
    return list.back().get();
}

void TTreeView::Clear() {
    if (FRoots.empty()) return;
    const bool selected = FSelected != nullptr;
    FSelected = nullptr;  // before the nodes go, so that nothing reaches them
    FRoots.clear();
    NodesChanged();
    if (selected) {
        Changed(ccSelection);
        OnChange(this);
    }
}

void TTreeView::SetIndent(int Value) {
    if (Value == FIndent) return;
    FIndent = Value;
    Changed(ccRange);
}

bool TTreeView::Contains(const TTreeNode* Node) const {
    while (Node && Node->Parent()) Node = Node->Parent();
    for (const auto& root : FRoots)
        if (root.get() == Node) return true;
    return false;
}

void TTreeView::SetSelected(TTreeNode* Value) {
    if (Value && !Contains(Value)) Value = nullptr;
    if (Value == FSelected) return;
    FSelected = Value;
    Changed(ccSelection);
    OnChange(this);
}
