#pragma once
// A form's controls as data: one row per control, giving its kind, parent,
// bounds, caption and hint. Rows come in tab order within each parent, and a
// parent's row comes before its children's.
#include <span>
#include <stdexcept>
#include <string>

#include "ui/Control.h"
#include "ui/PageControl.h"

using TCreateControl = TControl* (*)(TComponent* Owner, TWinControl* Parent);

struct TLayoutRow {
    const char* Name;
    TCreateControl Create;
    const char* Parent;  // the name of an earlier row; nullptr for the form itself
    TRect Bounds;
    const char* Caption = "";
    const char* Hint = "";
};

template <class T>
TControl* Make(TComponent* Owner, TWinControl*) {
    return new T(Owner);
}

// A sheet belongs to its page control from its construction on.
template <>
inline TControl* Make<TTabSheet>(TComponent* Owner, TWinControl* Parent) {
    auto* pages = dynamic_cast<TPageControl*>(Parent);
    if (!pages) throw std::logic_error("a tab sheet's parent must be a page control");
    return new TTabSheet(Owner, pages);
}

// Creates the rows' controls, owned by Form and placed in it.
void BuildLayout(TWinControl& Form, std::span<const TLayoutRow> Rows);

// The control of that name that Owner owns, of Member's kind.
template <class T>
void Bind(const TComponent& Owner, T*& Member, const char* Name) {
    Member = dynamic_cast<T*>(Owner.FindComponent(Name));
    if (!Member) throw std::logic_error(std::string("no control ") + Name + " of that kind in the layout");
}
