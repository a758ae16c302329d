#pragma once
// The Windows side of a control: one real window, bound both ways. Program
// changes arrive through Changed(); what the system tells the window (mouse,
// keys, moves) and what it tells the window's parent about it (reflected
// notifications) go back to the control.
#include <windows.h>

#include "platform/ControlPeer.h"
#include "platform/win32/GdiCanvas.h"
#include "ui/Control.h"

class TWin32Peer : public TControlPeer {
public:
    // Takes Wnd over: marks it as this peer's and sees its messages first.
    TWin32Peer(TControl& Control, HWND Wnd);
    ~TWin32Peer() override;
    TWin32Peer(const TWin32Peer&) = delete;
    TWin32Peer& operator=(const TWin32Peer&) = delete;

    void* Handle() const override { return FWnd; }
    HWND Wnd() const { return FWnd; }
    TControl& Control() const { return FControl; }
    void Changed(TControlChange What) override;

    // The peer of a window made by a peer; nullptr for any other window
    // (one that the system made, such as a combo box's edit or a tool-tip).
    static TWin32Peer* PeerOf(HWND Wnd);
    // A message that the system sent to the parent about this window
    // (WM_COMMAND, WM_NOTIFY, scrolls, WM_CTLCOLOR*, WM_DRAWITEM,
    // WM_MEASUREITEM); true when the peer answered it.
    virtual bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result);

    // The window procedure of every window with a peer.
    static LRESULT CALLBACK WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

protected:
    // A change that the common handling leaves to the kind.
    virtual void KindChanged(TControlChange) {}
    // A message to the window itself, before the system's handling; true when
    // the peer answered it.
    virtual bool WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result);
    // The window's own handling (the common control's, or DefWindowProc).
    LRESULT Inherited(UINT Msg, WPARAM WParam, LPARAM LParam);
    // Whether a change of the program's is being applied: what the window
    // reports meanwhile is the echo of that change, not the user's doing.
    bool Applying() const { return FApplying; }
    // The mouse came over the window or left it: the control hears of each
    // change once.
    void SetMouseInside(bool Value);

    TControl& FControl;
    HWND FWnd;

private:
    void Apply(TControlChange What);
    bool MouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
    bool ContextMenu(LPARAM LParam);
    bool KeyMessage(UINT Msg, WPARAM WParam, LRESULT& Result);
    // Offers a key of the whole window (Enter, Esc, Tab, an arrow), or an
    // accelerator typed with Alt, to the window's controls; true when one
    // used it up.
    bool DialogKey(WPARAM Key);
    // What the window says it handles itself of Key (WM_GETDLGCODE).
    LRESULT WantedKeys(WPARAM Key) const;
    bool DialogChar(WPARAM Key, LPARAM KeyData);
    void ReadBounds();
    void ForgetMouse();
    void ApplyHint(bool Remove = false);
    void ApplyFont();
    void ApplyCursor();

    WNDPROC FInherited;
    TSharedFont FFont;
    TSharedBrush FBackBrush;  // the parent's colour, for the system's drawing
    bool FMouseInside = false;
    bool FApplying = false;
    bool FInvalid = false;  // asked to paint, not painted yet
};

// The window class of our own windows (forms and self-drawn controls).
void RegisterPeerClass(const char* Name);
// A child window of Parent's window for Control, at its bounds, with its
// caption, visibility, enabling and tab stop.
HWND CreateChildWindow(const char* ClassName, DWORD Style, TControl& Control, TControlPeer* Parent,
                       DWORD ExStyle = 0);
