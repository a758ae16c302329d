#include "ui/PageControl.h"

#include <algorithm>

TTabSheet::TTabSheet(TComponent* AOwner, TPageControl* PageControl)
    : TWinControl(AOwner), FPageControl(PageControl) {
    SetParent(PageControl);
    PageControl->AddPage(this);
}

int TTabSheet::PageIndex() const {
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TPageControl::AddPage(TTabSheet* Page) {
    FPages.push_back(Page);
    Page->SetVisible(false);
    Changed(ccTabs);
    if (FActivePageIndex < 0) SetActivePageIndex(0);
}

TTabSheet* TPageControl::ActivePage() const {
    if (FActivePageIndex < 0 || FActivePageIndex >= PageCount()) return nullptr;
    return FPages[FActivePageIndex];
}

void TPageControl::SetActivePageIndex(int Index) {
    if (Index < 0 || Index >= PageCount()) Index = -1;
    if (Index == FActivePageIndex) return;
    FActivePageIndex = Index;
    for (int i = 0; i < PageCount(); ++i) FPages[i]->SetVisible(i == Index);
    Changed(ccActivePage);
    OnChange(this);
}

void TPageControl::SetDisplayRect(const TRect& Value) {
    for (TTabSheet* page : FPages) page->SetBounds(Value.Left, Value.Top, Value.Width(), Value.Height());
}
