#include "ui/StdControls.h"

#include <algorithm>

#include "core/Messages.h"
#include "ui/Canvas.h"

namespace {
// The radio buttons of Button's parent, in layout order, Button among them.
std::vector<TRadioButton*> RadioGroup(TRadioButton& Button) {
    if (!Button.Parent()) return {&Button};
    std::vector<TRadioButton*> group;
    for (int i = 0; i < Button.Parent()->ControlCount(); ++i)
        if (auto* radio = dynamic_cast<TRadioButton*>(Button.Parent()->Controls(i))) group.push_back(radio);
    return group;
}
}  // namespace

void TCheckBox::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    Changed(ccChecked);
    Click();
}

void TRadioButton::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    Changed(ccChecked);
    if (!Value) return;
    for (TRadioButton* sibling : RadioGroup(*this))
        if (sibling != this) sibling->SetChecked(false);
    Click();
}

bool TRadioButton::TabStop() const {
    if (FChecked) return true;
    const auto group = RadioGroup(const_cast<TRadioButton&>(*this));
    return group.front() == this && std::none_of(group.begin(), group.end(), [](TRadioButton* r) { return r->Checked(); });
}

// The focused button hands the check and the focus to its neighbour, round
// the group, skipping those that cannot take the focus.
bool TRadioButton::DialogKey(uint16_t Key, int Shift) {
    const bool forward = Key == VK_RIGHT_KEY || Key == VK_DOWN_KEY, backward = Key == VK_LEFT_KEY || Key == VK_UP_KEY;
    if (!Focused() || !(forward || backward) || (Shift & (ssCtrl | ssAlt))) return false;
    auto group = RadioGroup(*this);
    std::erase_if(group, [this](TRadioButton* r) { return r != this && !r->CanFocus(); });
    const auto count = static_cast<ptrdiff_t>(group.size());
    const ptrdiff_t at = std::find(group.begin(), group.end(), this) - group.begin();
    TRadioButton* next = group[((forward ? at + 1 : at - 1) + count) % count];
    next->SetFocus();
    next->SetChecked(true);
    return true;
}

TStatusBar::TStatusBar(TComponent* AOwner) : TControl(AOwner) {
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::SetSimpleText(const std::string& Value) {
    if (Value == FSimpleText) return;
    FSimpleText = Value;
    Changed(ccText);
}

void TPanel::Paint(TCanvas& Canvas) {
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(Bounds(0, 0, Width(), Height()));
}
