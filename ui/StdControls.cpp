#include "ui/StdControls.h"

#include "ui/Canvas.h"

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
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
            if (sibling && sibling != this) sibling->SetChecked(false);
        }
    }
    Click();
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
