#pragma once
// A form's controls as data: one row per control, giving its kind, parent,
// bounds, caption and hint. Rows come in tab order within each parent, which
// is also the order of their windows from the top down (a control that lies
// on another comes first), and a parent's row comes before its children's.
// The form that builds the rows owns their controls.
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

// A row whose control is a field of the form that owns it: made of the
// field's kind and stored in it. Written through LAYOUT_FIELD, the row's name
// is the field's own, so that the two cannot drift apart.
template <class TMember>
struct TFieldOf;
template <class TOwnerForm, class TKind>
struct TFieldOf<TKind* TOwnerForm::*> {
    using Form = TOwnerForm;
    using Control = TKind;
};

template <auto Member>
TControl* MakeField(TComponent* Owner, TWinControl* Parent) {
    using Field = TFieldOf<decltype(Member)>;
    auto* control = static_cast<typename Field::Control*>(Make<typename Field::Control>(Owner, Parent));
    static_cast<typename Field::Form*>(Owner)->*Member = control;
    return control;
}

#define LAYOUT_FIELD(Form, Field) #Field, MakeField<&Form::Field>
