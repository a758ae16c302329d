#pragma once
// A top-level window. Its handlers of window messages are ordinary methods,
// reached through WndProc, so they work with or without a real window.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/MessageQueue.h"
#include "ui/Control.h"

class TApplication;

// bsSingle: caption and fixed frame; bsSizeable: caption and sizing frame;
// the tool-window styles have a small caption and no task-bar button.
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    TForm(TComponent* AOwner, TApplication& Application);
    ~TForm() override;

    // The window class name, which other programs may look for.
    virtual const char* ClassName() const = 0;
    TApplication& Application() const { return FApplication; }

    TControlKind Kind() const override { return ckForm; }
    // The border style is read when the window is made.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value) { FBorderStyle = Value; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    // The size of the inside, without caption and frame; the bounds are the
    // window's outer rectangle, worked out by the window system for the style.
    int ClientWidth() const { return FClientWidth; }
    int ClientHeight() const { return FClientHeight; }
    void SetClientSize(int Width, int Height);
    TRect ClientRect() const override { return Bounds(0, 0, FClientWidth, FClientHeight); }
    // The smallest size the user can give a sizeable window (its outer size).
    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    void SetMinSize(int Width, int Height);
    bool TopMost() const { return FTopMost; }
    void SetTopMost(bool Value);
    bool ScreenSnap() const { return FScreenSnap; }
    void SetScreenSnap(bool Value) { FScreenSnap = Value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    // The application's tool-tip colour changed: the form's tips follow.
    void HintColorChanged() { Changed(ccHintColor); }

    // Runs the creation handler; an exception that escapes it goes to the
    // application, which shows it, and the form lives on as far as it got.
    void DoCreate();
    void Show();
    void Hide() { SetVisible(false); }
    // Hides the window; closing the main form ends the application.
    void Close();
    // Where the window may go when it is moved to Proposed.
    TRect PlaceWindow(const TRect& Proposed, const TRect& WorkArea) const;
    // The window system's word on the client area: bounds follow it.
    void ClientSizeFromWindow(int Width, int Height);

    // The controls' keys first (a default button's Enter, the pages'
    // Ctrl+Tab, a radio group's arrows); then Tab and Shift+Tab move the focus.
    bool DialogKey(uint16_t Key, int Shift) override;

    // Handles a message sent to the window; false leaves it to the system.
    virtual bool WndProc(TMessage& Message, intptr_t& Result);
    // What the window system hands the form: every observer sees the
    // message first, then WndProc handles it.
    bool Dispatch(TMessage& Message, intptr_t& Result);
    // Observer (a tray icon, say) sees every message of the window until removed.
    void AddMessageObserver(const void* Observer, std::function<void(const TMessage&)> See);
    void RemoveMessageObserver(const void* Observer);

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
    bool FTopMost = false;
    int FClientWidth = 0;
    int FClientHeight = 0;
    int FMinWidth = 0;
    int FMinHeight = 0;
    bool FShownOnce = false;
    struct TObserver {
        const void* Key;
        std::function<void(const TMessage&)> See;
    };
    std::vector<TObserver> FObservers;
};
