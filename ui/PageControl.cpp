#include "ui/PageControl.h"

#include <algorithm>

#include "core/Messages.h"

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

namespace {
// Whether Control is Container or lies inside it.
bool Within(const TControl* Control, const TControl* Container) {
    for (; Control; Control = Control->Parent())
        if (Control == Container) return true;
    return false;
}
}  // namespace

// A focus left in the page that goes would stay in a hidden window: it
// comes to the tabs.
void TPageControl::SetActivePageIndex(int Index) {
    if (Index < 0 || Index >= PageCount()) Index = -1;
    if (Index == FActivePageIndex) return;
    const TWinControl* top = TopParent(*this);
    const bool focusLeaves = top && ActivePage() && Within(top->ActiveControl(), ActivePage());
    FActivePageIndex = Index;
    for (int i = 0; i < PageCount(); ++i) FPages[i]->SetVisible(i == Index);
    Changed(ccActivePage);
    if (focusLeaves) SetFocus();
    OnChange(this);
}

bool TPageControl::DialogKey(uint16_t Key, int Shift) {
    const bool ctrlTab = Key == VK_TAB_KEY && (Shift & (ssCtrl | ssAlt)) == ssCtrl;
    if (!ctrlTab || PageCount() == 0 || !CanFocus()) return TWinControl::DialogKey(Key, Shift);
    // The window itself may hold the focus: that is none of its controls'.
    const TWinControl* top = TopParent(*this);
    const TControl* active = top ? top->ActiveControl() : nullptr;
    if (active && active != top && !Within(active, this)) return TWinControl::DialogKey(Key, Shift);
    const int step = (Shift & ssShift) ? PageCount() - 1 : 1;
    SetActivePageIndex((std::max(FActivePageIndex, 0) + step) % PageCount());
    SetFocus();
    return true;
}

void TPageControl::SetDisplayRect(const TRect& Value) {
    for (TTabSheet* page : FPages) page->SetBounds(Value.Left, Value.Top, Value.Width(), Value.Height());
}
