#pragma once
// The standard kinds that the system draws itself; each maps onto a real
// common control so that its state can be read from outside the program.
#include "ui/Control.h"

// A static text.
class TLabel : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return ckLabel; }
};

// A push button; the system's click arrives as Click().
class TButton : public TControl {
public:
    explicit TButton(TComponent* AOwner) : TControl(AOwner) { SetTabStop(true); }
    TControlKind Kind() const override { return ckButton; }
};

// A plain container.
class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
    TControlKind Kind() const override { return ckPanel; }
    // Filled with its colour.
    void Paint(TCanvas& Canvas) override;
};

// A frame with a caption around other controls.
class TGroupBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    TControlKind Kind() const override { return ckGroupBox; }
};

// A two-state check box. Every change of the check mark, by the program or by
// the user, raises OnClick once; setting the state it has raises nothing.
class TCheckBox : public TControl {
public:
    explicit TCheckBox(TComponent* AOwner) : TControl(AOwner) { SetTabStop(true); }
    TControlKind Kind() const override { return ckCheckBox; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // The window shows Value: the user's click, or the space bar.
    void CheckedFromWindow(bool Value) {
        FromWindow(ccChecked, [&] { SetChecked(Value); }, [&] { return FChecked == Value; });
    }

private:
    bool FChecked = false;
};

// One of a group of exclusive choices: the radio buttons with the same
// parent. Checking one, by the program or by the user, unchecks its checked
// sibling and raises OnClick of the one checked (once); unchecking raises
// nothing. Tab stops at the group's checked button (at its first while none
// is); the arrow keys move the check and the focus along the group.
class TRadioButton : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return ckRadioButton; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    void CheckedFromWindow(bool Value) {
        FromWindow(ccChecked, [&] { SetChecked(Value); }, [&] { return FChecked == Value; });
    }
    bool TabStop() const override;
    bool DialogKey(uint16_t Key, int Shift) override;

private:
    bool FChecked = false;
};

// A status bar with one simple text across its width, at the bottom of its
// parent by default.
class TStatusBar : public TControl {
public:
    explicit TStatusBar(TComponent* AOwner);
    TControlKind Kind() const override { return ckStatusBar; }
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& Value);

private:
    std::string FSimpleText;
};
