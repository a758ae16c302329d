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
//   raise the events.
#include <cstdint>
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
enum TShiftFlag { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
enum TCursor { crDefault, crArrow, crHandPoint, crHourGlass };

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
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The menu that a right click on the control pops up.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value) { FPopupMenu = Value; }

    TNotifyEvent OnClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

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
    virtual void KeyPress(char& Key) { OnKeyPress(this, Key); }
    void BoundsFromWindow(const TRect& Value);

    TControlPeer* Peer() const { return FPeer.get(); }
    void* Handle() const { return FPeer ? FPeer->Handle() : nullptr; }
    // Creates the peers of this control and, for containers, of its children.
    virtual void CreatePeers(TPeerFactory& Factory);
    virtual void DestroyPeers() { FPeer.reset(); }

protected:
    void Changed(TControlChange What) {
        if (FPeer) FPeer->Changed(What);
    }

private:
    TWinControl* FParent = nullptr;
    TRect FBounds;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FCaption;
    std::string FHint;
    TFont FFont;
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

private:
    friend class TControl;
    std::vector<TControl*> FControls;
};
