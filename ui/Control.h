#pragma once
// Controls hold their state themselves and work without any window; a peer,
// when one is attached, is brought in step by every setter.
//
// The rules every kind follows:
// - a setter stores the value and tells the peer, only when the value changes;
//   setting a value to what it already is raises nothing;
// - a change made by the program raises the same change event as one made by
//   the user in the window (a check box's OnClick, a track bar's OnChange...),
//   once per change;
// - what the user does in the window reaches the control through the
//   ...FromWindow and Mouse... calls, which update the state first and then
//   raise the events;
// - a value that the user set in the window never travels back to it (the
//   echo would move an edit's caret, re-send a check): the peer hears of it
//   only when a handler left another value than the window shows (a clamp,
//   a refusal), once the handlers have run;
// - Tab and Shift+Tab go through the shown and enabled tab stops of the
//   window in layout order, depth first, wrapping round;
// - a control with an Align other than alNone is placed by its parent: top
//   and bottom ones across the parent's client area in the order they were
//   added, then left and right ones in the height that is left, then the
//   client one in what remains; its own size is kept across the edge it
//   stands on.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Component.h"
#include "core/Graphics.h"
#include "platform/ControlPeer.h"
#include "ui/Font.h"

class TCanvas;
class TWinControl;
class TPopupMenu;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
enum TCursor { crDefault, crArrow, crHandPoint, crHourGlass };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Sender, button, shift flags, position in the control.
using TMouseEvent = TEvent<TMouseButton, int, int, int>;
// Sender, virtual-key code (set it to 0 to swallow the key), shift flags.
using TKeyEvent = TEvent<uint16_t&, int>;
// Sender, the typed character (set it to 0 to swallow it).
using TKeyPressEvent = TEvent<char&>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    virtual TControlKind Kind() const { return ckCustom; }

    TWinControl* Parent() const { return FParent; }
    void SetParent(TWinControl* Value);

    const TRect& BoundsRect() const { return FBounds; }
    void SetBounds(int Left, int Top, int Width, int Height);
    int Left() const { return FBounds.Left; }
    int Top() const { return FBounds.Top; }
    int Width() const { return FBounds.Width(); }
    int Height() const { return FBounds.Height(); }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    // The background; controls that the system draws (labels, check boxes)
    // show their parent's.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The menu that a right click on the control pops up.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    // A right click (or the menu key) at (X, Y) of the screen: pops up the
    // control's menu, or else its nearest parent's, for this control; false
    // when none has one that pops up by itself.
    bool ContextPopup(int ScreenX, int ScreenY);

    // The keyboard focus. SetFocus asks for it; Focused follows what the
    // window system says (or, without windows, the request at once), and
    // OnEnter and OnExit are raised as it comes and goes.
    bool Focused() const { return FFocused; }
    void SetFocus();
    // Shown and enabled, itself and every parent below its window, and in one.
    bool CanFocus() const;
    // Whether Tab stops at the control.
    virtual bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { FTabStop = Value; }
    // Whether the mouse is captured by the control: its window then gets
    // every mouse message until the capture is given back or taken away.
    bool MouseCapture() const { return FMouseCapture; }
    void SetMouseCapture(bool Value);

    TNotifyEvent OnClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    virtual void Click() { OnClick(this); }
    // Self-drawn controls paint here; standard kinds are drawn by the system.
    virtual void Paint(TCanvas&) {}
    void Invalidate() { Changed(ccPaint); }

    // From the window: the user's mouse and keys, and a move or resize that
    // the system made (which the control takes without telling the peer).
    virtual void MouseDown(TMouseButton Button, int Shift, int X, int Y) { OnMouseDown(this, Button, Shift, X, Y); }
    virtual void MouseUp(TMouseButton Button, int Shift, int X, int Y) { OnMouseUp(this, Button, Shift, X, Y); }
    virtual void MouseEnter() { OnMouseEnter(this); }
    virtual void MouseLeave() { OnMouseLeave(this); }
    virtual void KeyDown(uint16_t& Key, int Shift) { OnKeyDown(this, Key, Shift); }
    virtual void KeyUp(uint16_t& Key, int Shift) { OnKeyUp(this, Key, Shift); }
    virtual void KeyPress(char& Key) { OnKeyPress(this, Key); }
    void BoundsFromWindow(const TRect& Value);
    // A key of the whole window: Enter or Esc that the focused control left
    // unused, or a character typed with Alt (an accelerator), offered to
    // every control of the window in turn; true when one used it up.
    virtual bool DialogKey(uint16_t Key, int Shift) {
        (void)Key, (void)Shift;
        return false;
    }
    virtual bool DialogChar(char Key, int Shift) {
        (void)Key, (void)Shift;
        return false;
    }
    // The focus came to the control or left it.
    virtual void FocusFromWindow(bool Value);
    // The system took the capture away (or confirmed that it is given back).
    void CaptureLostFromWindow() { FMouseCapture = false; }
    // While the window handles a mouse button's press (the focus may come
    // with it): true, as for a focus that a click brings.
    bool Pressing() const { return FPressing; }
    void PressingFromWindow(bool Value) { FPressing = Value; }

    TControlPeer* Peer() const { return FPeer.get(); }
    void* Handle() const { return FPeer ? FPeer->Handle() : nullptr; }
    // Creates the peers of this control and, for containers, of its children.
    virtual void CreatePeers(TPeerFactory& Factory);
    virtual void DestroyPeers() { FPeer.reset(); }

protected:
    void Changed(TControlChange What) {
        if (FPeer && What != FQuietChange) FPeer->Changed(What);
    }
    // The user set a value in the window: Store sets it through the ordinary
    // setter, so that the control's events are raised, while the peer hears
    // nothing of What; Shown tells afterwards whether the value is still the
    // window's, and only if it is not is the window told.
    template <class TStore, class TShown>
    void FromWindow(TControlChange What, TStore&& Store, TShown&& Shown) {
        {
            TQuietChange quiet(FQuietChange, What);
            Store();
        }
        if (!Shown()) Changed(What);
    }
    // The bounds changed, by the program or by the window system.
    virtual void BoundsChanged(bool Resized);
    void Notification(TComponent* AComponent) override;

private:
    friend class TWinControl;
    // Holds a change back from the peer while it lives.
    struct TQuietChange {
        TQuietChange(int& Quiet, TControlChange What) : FQuiet(Quiet), FOuter(Quiet) { Quiet = What; }
        ~TQuietChange() { FQuiet = FOuter; }
        int& FQuiet;
        int FOuter;
    };
    int FQuietChange = -1;
    TWinControl* FParent = nullptr;
    TAlign FAlign = alNone;
    bool FFocused = false;
    bool FTabStop = false;
    bool FMouseCapture = false;
    bool FPressing = false;
    TRect FBounds;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FCaption;
    std::string FHint;
    TFont FFont;
    TColor FColor = clBtnFace;
    TCursor FCursor = crDefault;
    TPopupMenu* FPopupMenu = nullptr;
    std::unique_ptr<TControlPeer> FPeer;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(Index); }
    void CreatePeers(TPeerFactory& Factory) override;
    void DestroyPeers() override;

    // The area the children are placed in, in the control's own coordinates.
    virtual TRect ClientRect() const { return Bounds(0, 0, Width(), Height()); }
    // Places the aligned children (see the rules at the top).
    void AlignControls();
    // The control that has the focus among the children, at any depth, of
    // this top-level control; nullptr when none has it.
    TControl* ActiveControl() const { return FActiveControl; }
    // Offered to the children, in order and depth first, until one uses it.
    bool DialogKey(uint16_t Key, int Shift) override;
    bool DialogChar(char Key, int Shift) override;
    // The control that Tab (GoForward) or Shift+Tab reaches from Current
    // among this control's descendants: the next that can take the focus and
    // is a tab stop, in layout order, depth first, wrapping round; the first
    // or last one when Current is none of them; nullptr when none can.
    TControl* FindNextControl(TControl* Current, bool GoForward) const;
    // Gives that control the focus; false when there is none.
    bool SelectNext(TControl* Current, bool GoForward);

protected:
    void BoundsChanged(bool Resized) override;

private:
    friend class TControl;
    void AddTabOrder(std::vector<TControl*>& List) const;
    std::vector<TControl*> FControls;
    TControl* FActiveControl = nullptr;
    bool FAligning = false;
};

// Changes of a list of items told to the window at once, or, between Begin
// and the matching End, once at the end.
class TChangeBatch {
public:
    explicit TChangeBatch(std::function<void()> Tell) : FTell(std::move(Tell)) {}
    void Begin() { ++FDepth; }
    void End() {
        if (FDepth > 0 && --FDepth == 0 && FPending) Changed();
    }
    void Changed() {
        FPending = FDepth > 0;
        if (!FPending) FTell();
    }

private:
    std::function<void()> FTell;
    int FDepth = 0;
    bool FPending = false;
};

// The form (or other top-level control) that Control is in; nullptr when it
// has no parent at all.
TWinControl* TopParent(TControl& Control);
