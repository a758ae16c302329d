#pragma once
// A list view in report style: columns with captions and widths, rows with a
// caption, sub-items for the further columns and a small image from an image
// list. The selected row follows the user's choice and the program's; every
// change of it raises OnChange once. Between BeginUpdate and EndUpdate the
// window is told of the rows only once, at the end.
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/ImageList.h"

class TListView;

struct TListColumn {
    std::string Caption;
    int Width = 50;
};

class TListItem {
public:
    explicit TListItem(TListView& Owner) : FOwner(Owner) {}
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    const std::vector<std::string>& SubItems() const { return FSubItems; }
    void AddSubItem(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int Index() const;

private:
    TListView& FOwner;
    std::string FCaption;
    std::vector<std::string> FSubItems;
    int FImageIndex = -1;
};

class TListView : public TControl {
public:
    explicit TListView(TComponent* AOwner);
    TControlKind Kind() const override { return ckListView; }

    int ColumnCount() const { return static_cast<int>(FColumns.size()); }
    const TListColumn& Column(int Index) const { return FColumns.at(Index); }
    void AddColumn(const std::string& Caption, int Width);
    // Column headers are read when the window is made.
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool Value) { FShowColumnHeaders = Value; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TListItem& Item(int Index) const { return *FItems.at(Index); }
    TListItem& Add();
    // Removes every row; a selection goes with them.
    void Clear();
    void BeginUpdate() { FBatch.Begin(); }
    void EndUpdate() { FBatch.End(); }

    TImageList* SmallImages() const { return FSmallImages.Get(); }
    void SetSmallImages(TImageList* Value) { FSmallImages.Set(Value); }

    // -1 when no row is selected; an index outside the rows selects none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    void ItemIndexFromWindow(int Value) {
        FromWindow(ccSelection, [&] { SetItemIndex(Value); }, [&] { return FItemIndex == Value; });
    }

    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* AComponent) override {
        TControl::Notification(AComponent);
        FSmallImages.Forget(AComponent);
    }

private:
    friend class TListItem;
    void ItemsChanged() { FBatch.Changed(); }

    std::vector<TListColumn> FColumns;
    bool FShowColumnHeaders = true;
    std::vector<std::unique_ptr<TListItem>> FItems;
    TChangeBatch FBatch{[this] { Changed(ccItems); }};
    TImageListRef FSmallImages{*this, [this] { Changed(ccImages); }};
    int FItemIndex = -1;
};
