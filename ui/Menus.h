#pragma once
// Popup menus: a tree of items, shown by the window system at a point of the
// screen. A menu is built afresh from its items each time it pops up, so an
// item's state (caption, check mark, enabling...) needs no window of its own.
// With OwnerDraw set, the items that have an OnDrawItem handler are measured
// and drawn by their handlers on the canvas the system gives.
#include <string>
#include <vector>

#include "core/Component.h"
#include "ui/ImageList.h"

class TCanvas;
class TPopupMenu;
class TWindowSystem;

// Sender, canvas with the menu font, width and height to set.
using TMenuMeasureEvent = TEvent<TCanvas&, int&, int&>;
// Sender, canvas, the item's rectangle, whether it is selected.
using TMenuDrawEvent = TEvent<TCanvas&, const TRect&, bool>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}
    ~TMenuItem() override;

    // "-" makes a separator line.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    bool IsLine() const { return FCaption == "-"; }
    // Checking a radio item unchecks the other radio items of its group (the
    // same GroupIndex) among its siblings.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value) { FRadioItem = Value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // Shown in bold; a double click on a tray icon chooses it.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    // The key shown at the right ("Ctrl+O"); empty for none.
    const std::string& ShortCutText() const { return FShortCutText; }
    void SetShortCutText(const std::string& Value) { FShortCutText = Value; }
    // The picture in the menu's image list; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    // The item's own picture, for an item without one in the image list;
    // only menus that draw their items show it.
    TBitmap& Bitmap() { return FBitmap; }
    const TBitmap& Bitmap() const { return FBitmap; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(Index); }
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* Item);
    void Remove(TMenuItem* Item);
    int IndexOf(const TMenuItem* Item) const;
    // The popup menu whose tree holds this item; nullptr while in none.
    TPopupMenu* Menu() const;

    TNotifyEvent OnClick;
    TMenuMeasureEvent OnMeasureItem;
    TMenuDrawEvent OnDrawItem;
    virtual void Click() { OnClick(this); }
    void MeasureItem(TCanvas& Canvas, int& Width, int& Height) { OnMeasureItem(this, Canvas, Width, Height); }
    void DrawItem(TCanvas& Canvas, const TRect& Rect, bool Selected) { OnDrawItem(this, Canvas, Rect, Selected); }

private:
    friend class TPopupMenu;
    std::string FCaption;
    bool FChecked = false;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    std::string FShortCutText;
    int FImageIndex = -1;
    TBitmap FBitmap;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TPopupMenu* FMenu = nullptr;  // set on the root item only
};

class TPopupMenu : public TComponent {
public:
    TPopupMenu(TComponent* AOwner, TWindowSystem& Windows);
    ~TPopupMenu() override;

    // The root item; its sub-items are the menu's items.
    TMenuItem& Items() { return *FItems; }
    const TMenuItem& Items() const { return *FItems; }
    TImageList* Images() const { return FImages.Get(); }
    void SetImages(TImageList* Value) { FImages.Set(Value); }
    // Whether a right click (or the tray icon) pops the menu up.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool Value) { FOwnerDraw = Value; }
    // What the menu was popped up for (a control, a tray icon).
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);

    // Shows the menu at (X, Y) of the screen and waits until it closes; the
    // item chosen, if it is still enabled, is then clicked.
    void Popup(int X, int Y);
    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* AComponent) override;

private:
    TWindowSystem& FWindows;
    TMenuItem* FItems;
    TImageListRef FImages{*this, [] {}};
    bool FAutoPopup = true;
    bool FOwnerDraw = false;
    TComponent* FPopupComponent = nullptr;
};
