#pragma once
// A page control shows one of its tab sheets; the tabs carry the sheets' captions.
#include "ui/Control.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    TTabSheet(TComponent* AOwner, TPageControl* PageControl);
    TControlKind Kind() const override { return ckTabSheet; }
    TPageControl* PageControl() const { return FPageControl; }
    int PageIndex() const;

private:
    TPageControl* FPageControl;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }
    TControlKind Kind() const override { return ckPageControl; }

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(Index); }
    int ActivePageIndex() const { return FActivePageIndex; }
    // Shows page Index and hides the others; an index out of range shows none.
    // Raises OnChange when the page changes, by program or by the user.
    void SetActivePageIndex(int Index);
    void ActivePageFromWindow(int Index) {
        FromWindow(ccActivePage, [&] { SetActivePageIndex(Index); }, [&] { return FActivePageIndex == Index; });
    }
    // Ctrl+Tab shows the next page and Ctrl+Shift+Tab the one before, round,
    // while the focus is on the tabs or in a page (or nowhere); the tabs then
    // take the focus.
    bool DialogKey(uint16_t Key, int Shift) override;
    // A sheet's caption changed: the tabs follow.
    void TabsChanged() { Changed(ccTabs); }
    TNotifyEvent OnChange;
    TTabSheet* ActivePage() const;
    // The area of the sheets inside the control, as the system lays it out.
    void SetDisplayRect(const TRect& Value);

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* Page);

    std::vector<TTabSheet*> FPages;
    int FActivePageIndex = -1;
};
