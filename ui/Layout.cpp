#include "ui/Layout.h"

void BuildLayout(TWinControl& Form, std::span<const TLayoutRow> Rows) {
    for (const TLayoutRow& row : Rows) {
        TWinControl* parent = &Form;
        if (row.Parent) {
            parent = dynamic_cast<TWinControl*>(Form.FindComponent(row.Parent));
            if (!parent) throw std::logic_error(std::string("unknown parent ") + row.Parent + " of " + row.Name);
        }
        TControl* control = row.Create(&Form, parent);
        control->SetName(row.Name);
        control->SetParent(parent);
        control->SetBounds(row.Bounds.Left, row.Bounds.Top, row.Bounds.Width(), row.Bounds.Height());
        control->SetCaption(row.Caption);
        control->SetHint(row.Hint);
    }
}
