#include "controls/ImageButton.h"

#include "ui/Application.h"

TImageButton::TImageButton(TComponent* AOwner, TApplication& Application) : TImage(AOwner), FApplication(Application) {}

const TBitmap& TImageButton::PictureOf(TPicState State) const { return FPictures[State]; }

void TImageButton::SetPicture(const TBitmap& Value) {
    FPictures[stDefault].Assign(Value);
    Picture().Assign(Value);
}

void TImageButton::SetStatePicture(TPicState State, const TBitmap& Value) {
    FPictures[State].Assign(Value);
    SetState(FState);
}

void TImageButton::SetState(TPicState Value) {
    if (!PictureOf(Value).Empty()) {
        Picture().Assign(PictureOf(Value));
        FState = Value;
    }
    OnStateChanged(this);
}

void TImageButton::CycleState() {
    if (FClickCount == 0 || FClickCount == 3) {
        SetState(stDefault);
        FClickCount = 0;
        return;
    }
    const TPicState wanted = FClickCount == 1 ? stClicked1 : stClicked2;
    SetState(wanted);
    if (FState == wanted) return;
    FClickCount = 0;
    SetState(stDefault);
}

void TImageButton::MouseEnter() {
    if (!FInside) {
        FSavedHintColor = FApplication.HintColor();
        FApplication.SetHintColor(FHintColor);
        SetState(stEntered);
        FInside = true;
    }
    TImage::MouseEnter();
}

void TImageButton::MouseLeave() {
    if (FInside) {
        FApplication.SetHintColor(FSavedHintColor);
        CycleState();
        FInside = false;
    }
    TImage::MouseLeave();
}

// The window keeps the mouse while a button is held, so that the release
// comes here wherever it happens.
void TImageButton::MouseDown(TMouseButton Button, int Shift, int X, int Y) {
    SetState(stDown);
    if (Button == mbLeft) {
        FLeftDown = true;
        SetMouseCapture(true);
    }
    TImage::MouseDown(Button, Shift, X, Y);
}

void TImageButton::MouseUp(TMouseButton Button, int Shift, int X, int Y) {
    if (Button == mbLeft && FLeftDown) {
        FLeftDown = false;
        SetMouseCapture(false);
        if (X >= 0 && Y >= 0 && X < Width() && Y < Height()) Click();
    }
    if (FState != stClicked1 && FState != stClicked2) {
        // Strictly inside: a release on the edge counts as outside.
        const bool inside = X > 0 && X < Width() && Y > 0 && Y < Height();
        if (inside) SetState(stEntered);
        if (!inside || FState != stEntered) CycleState();
    }
    TImage::MouseUp(Button, Shift, X, Y);
}

void TImageButton::Click() {
    TImage::Click();
    ++FClickCount;
    CycleState();
}

void TImageButton::Loaded() {
    TImage::Loaded();
    Picture().Assign(PictureOf(stDefault));
}
