#include "ui/ListView.h"

#include <algorithm>

void TListItem::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    FOwner.ItemsChanged();
}

void TListItem::AddSubItem(const std::string& Value) {
    FSubItems.push_back(Value);
    FOwner.ItemsChanged();
}

void TListItem::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    FOwner.ItemsChanged();
}

int TListItem::Index() const {
    const auto& items = FOwner.FItems;
    return static_cast<int>(std::find_if(items.begin(), items.end(), [this](const auto& i) { return i.get() == this; }) -
                            items.begin());
}

TListView::TListView(TComponent* AOwner) : TControl(AOwner) {
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
}

void TListView::AddColumn(const std::string& Caption, int Width) {
    FColumns.push_back({Caption, Width});
    Changed(ccColumns);
}

TListItem& TListView::Add() {
    FItems.push_back(std::make_unique<TListItem>(*this));
    ItemsChanged();
    return *FItems.back();
}

void TListView::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    ItemsChanged();
    SetItemIndex(-1);
}

void TListView::SetItemIndex(int Value) {
    if (Value < 0 || Value >= Count()) Value = -1;
    if (Value == FItemIndex) return;
    FItemIndex = Value;
    Changed(ccSelection);
    OnChange(this);
}
