#include "ui/Edit.h"

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
}

void TEdit::SetText(const std::string& Value) {
    if (Value == FText) return;
    FText = Value;
    Changed(ccText);
    OnChange(this);
}

void TEdit::SetReadOnly(bool Value) {
    if (Value == FReadOnly) return;
    FReadOnly = Value;
    Changed(ccReadOnly);
}

void TEdit::SetTextRect(const TRect& Value) {
    if (Value == FTextRect) return;
    FTextRect = Value;
    Changed(ccRange);
}
