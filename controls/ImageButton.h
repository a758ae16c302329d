#pragma once
// A picture that acts as a button: it shows one of five pictures by its state
// (normal, mouse over, first and second click of a cycle, held down), gives
// the application's tool-tips its own colour while the mouse is over it, and
// clicks when a press is released over it.
#include "ui/Image.h"

enum TPicState { stDefault, stEntered, stClicked1, stClicked2, stDown };

class TApplication;

class TImageButton : public TImage {
public:
    TImageButton(TComponent* AOwner, TApplication& Application);

    // The normal picture (and the one shown).
    void SetPicture(const TBitmap& Value);
    // The other states' pictures; a change shows the current state again.
    void SetStatePicture(TPicState State, const TBitmap& Value);
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    TPicState State() const { return FState; }
    // Shows the state's picture when it has one; raises OnStateChanged either way.
    void SetState(TPicState Value);

    TNotifyEvent OnStateChanged;

    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton Button, int Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, int Shift, int X, int Y) override;
    void Click() override;
    void Loaded() override;

private:
    const TBitmap& PictureOf(TPicState State) const;
    // Shows the picture of the click cycle's position.
    void CycleState();

    TApplication& FApplication;
    TColor FHintColor = clInfoBk;
    TColor FSavedHintColor = clInfoBk;
    TBitmap FPictures[5];  // by state; the normal one first
    TPicState FState = stDefault;
    bool FInside = false;
    bool FLeftDown = false;
    int FClickCount = 0;
};
