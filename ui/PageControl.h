#pragma once
// A page control shows one of its tab sheets; the tabs carry the sheets' captions.
#include "ui/Control.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    TTabSheet(TComponent* AOwner, TPageControl* PageControl);
    TPageControl* PageControl() const { return FPageControl; }
    int PageIndex() const;

private:
    TPageControl* FPageControl;
};

class TPageControl : public TWinControl {
public:
    using TWinControl::TWinControl;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(Index); }
    int ActivePageIndex() const { return FActivePageIndex; }
    // Shows page Index and hides the others; an index out of range shows none.
    void SetActivePageIndex(int Index);
    TTabSheet* ActivePage() const;
    // The area of the sheets inside the control, as the system lays it out.
    void SetDisplayRect(const TRect& Value);

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* Page);

    std::vector<TTabSheet*> FPages;
    int FActivePageIndex = -1;
};
