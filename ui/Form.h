#pragma once
// A top-level window. Its handlers of window messages are ordinary methods,
// reached through WndProc, so they work with or without a real window.
#include <cstdint>

#include "platform/MessageQueue.h"
#include "ui/Control.h"

class TApplication;

enum TBorderStyle { bsNone, bsSingle };
enum TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    TForm(TComponent* AOwner, TApplication& Application);
    ~TForm() override;

    // The window class name, which other programs may look for.
    virtual const char* ClassName() const = 0;
    TApplication& Application() const { return FApplication; }

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value) { FBorderStyle = Value; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    void SetClientSize(int Width, int Height) { SetBounds(Left(), Top(), Width, Height); }
    bool ScreenSnap() const { return FScreenSnap; }
    void SetScreenSnap(bool Value) { FScreenSnap = Value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) {
        FShowHint = Value;
        Changed(ccState);
    }

    // Runs the creation handler; an exception that escapes it goes to the
    // application, which shows it, and the form lives on as far as it got.
    void DoCreate();
    void Show();
    void Hide() { SetVisible(false); }
    // Hides the window; closing the main form ends the application.
    void Close();
    // Where the window may go when it is moved to Proposed.
    TRect PlaceWindow(const TRect& Proposed, const TRect& WorkArea) const;

    // Handles a message sent to the window; false leaves it to the system.
    virtual bool WndProc(TMessage& Message, intptr_t& Result);

protected:
    virtual void FormCreate() {}
    virtual void FormDestroy() {}
    // Called from the most derived destructor, while the form is still whole.
    void DoDestroy();

private:
    TApplication& FApplication;
    TBorderStyle FBorderStyle = bsSingle;
    TPosition FPosition = poDesigned;
    bool FScreenSnap = false;
    // How near an edge of the screen a moved window snaps onto it.
    static constexpr int SnapBuffer = 10;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 255;
    bool FShowHint = false;
    bool FShownOnce = false;
};
