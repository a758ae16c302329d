#pragma once
// A one-line edit box. Every change of its text, by the program or by the
// user's typing, raises OnChange once; setting the text it has raises
// nothing. A container, so that a control such as a spin edit's buttons can
// live inside the box.
#include "ui/Control.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);
    TControlKind Kind() const override { return ckEdit; }

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    // The user may select and copy but not change the text.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);

    // Read when the window is made: a box of several lines, whose text
    // rectangle can be narrowed (TextRect) to leave room for a child.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value) { FMultiLine = Value; }
    // Where the text goes, in the box's client area; empty for all of it.
    const TRect& TextRect() const { return FTextRect; }
    void SetTextRect(const TRect& Value);
    // Selects the whole text in the window.
    void SelectAll() { Changed(ccSelection); }
    // Whether the user may cut and paste.
    virtual bool AllowsCutAndPaste() const { return !FReadOnly; }

    // The user changed the text in the window.
    void TextFromWindow(const std::string& Value) {
        FromWindow(ccText, [&] { SetText(Value); }, [&] { return FText == Value; });
    }

    TNotifyEvent OnChange;

private:
    std::string FText;
    bool FReadOnly = false;
    bool FMultiLine = false;
    TRect FTextRect;
};
