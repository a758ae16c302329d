#pragma once
// A tree view: nodes with a text, an image from an image list and a data
// number, under the root or under another node. The selected node follows
// the user's choice and the program's; every change of it raises OnChange
// once, and removing the selected node selects none. OnClick comes with a
// mouse click on a node, after the click has selected it. Between
// BeginUpdate and EndUpdate the window is told of the nodes only once.
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/ImageList.h"

class TTreeView;

class TTreeNode {
public:
    TTreeNode(TTreeView& Owner, TTreeNode* Parent, const std::string& Text)
        : FOwner(Owner), FParent(Parent), FText(Text) {}

    TTreeNode* Parent() const { return FParent; }
    // 0 for a node under the root.
    int Level() const { return FParent ? FParent->Level() + 1 : 0; }
    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode* Item(int Index) const { return FChildren.at(Index).get(); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int Data() const { return FData; }
    void SetData(int Value) { FData = Value; }
    // Whether the children show; the user's expanding and collapsing update it.
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool Value);
    void ExpandedFromWindow(bool Value) { FExpanded = Value; }

private:
    friend class TTreeView;
    TTreeView& FOwner;
    TTreeNode* FParent;
    std::string FText;
    int FImageIndex = -1;
    int FData = 0;
    bool FExpanded = false;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

class TTreeView : public TControl {
public:
    explicit TTreeView(TComponent* AOwner);
    TControlKind Kind() const override { return ckTreeView; }

    // The nodes under the root.
    int Count() const { return static_cast<int>(FRoots.size()); }
    TTreeNode* Item(int Index) const { return FRoots.at(Index).get(); }
    // A new last node under Parent (under the root for nullptr).
    TTreeNode* Add(TTreeNode* Parent, const std::string& Text);
    void Clear();
    void BeginUpdate() { FBatch.Begin(); }
    void EndUpdate() { FBatch.End(); }

    TImageList* Images() const { return FImages.Get(); }
    void SetImages(TImageList* Value) { FImages.Set(Value); }
    // Read when the window is made.
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool Value) { FHotTrack = Value; }
    bool ShowToolTips() const { return FShowToolTips; }
    void SetShowToolTips(bool Value) { FShowToolTips = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    int Indent() const { return FIndent; }
    void SetIndent(int Value);

    TTreeNode* Selected() const { return FSelected; }
    // Only a node of this tree, or nullptr, can be selected.
    void SetSelected(TTreeNode* Value);
    void SelectedFromWindow(TTreeNode* Value) {
        FromWindow(ccSelection, [&] { SetSelected(Value); }, [&] { return FSelected == Value; });
    }

    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* AComponent) override {
        TControl::Notification(AComponent);
        FImages.Forget(AComponent);
    }

private:
    friend class TTreeNode;
    void NodesChanged() { FBatch.Changed(); }
    bool Contains(const TTreeNode* Node) const;

    std::vector<std::unique_ptr<TTreeNode>> FRoots;
    TChangeBatch FBatch{[this] { Changed(ccItems); }};
    TImageListRef FImages{*this, [this] { Changed(ccImages); }};
    bool FHotTrack = false;
    bool FShowToolTips = true;
    bool FReadOnly = false;
    int FIndent = 19;
    TTreeNode* FSelected = nullptr;
};
