#pragma once
// The standard kinds that the system draws itself; each maps onto a real
// common control so that its text can be read from outside the program.
#include "ui/Control.h"

// A static text.
class TLabel : public TControl {
public:
    using TControl::TControl;
};

// A push button; the system's click arrives as Click().
class TButton : public TControl {
public:
    using TControl::TControl;
};

// A plain container.
class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
};
