// A push button that the program draws: a real BUTTON (BS_OWNERDRAW), so
// that its caption reads with WM_GETTEXT, BM_CLICK clicks it and screen
// readers announce a button, painted through the control's Paint into an
// off-screen copy first (no flicker). The control itself decides when it is
// clicked, from the mouse and keys that reach the window (BM_CLICK arrives as
// a press and a release); the system's own BN_CLICKED is not a second click.
#include "platform/win32/peers/StdPeers.h"

#include "platform/win32/GdiCanvas.h"

namespace {
class TOwnerDrawButtonPeer : public TWin32Peer {
public:
    using TWin32Peer::TWin32Peer;

    void Changed(TControlChange What) override {
        TWin32Peer::Changed(What);
        // The system does not always draw the button again for these.
        if (What == ccEnabled || What == ccCaption) InvalidateRect(FWnd, nullptr, FALSE);
    }

    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg == WM_COMMAND) {
            Result = 0;
            return true;
        }
        if (Msg != WM_DRAWITEM) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        Paint(*reinterpret_cast<DRAWITEMSTRUCT*>(LParam));
        Result = TRUE;
        return true;
    }

protected:
    bool WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        switch (Msg) {
            case WM_ERASEBKGND:  // the paint covers every pixel
                Result = 1;
                return true;
            case WM_LBUTTONDBLCLK:
                // The second click of a double click is an ordinary one.
                return TWin32Peer::WindowMessage(WM_LBUTTONDOWN, WParam, LParam, Result);
            case WM_MOUSEMOVE:
                if (GetCapture() != FWnd) break;
                // A held button hears the mouse everywhere: whether the mouse
                // is over it is a matter of where it is.
                {
                    RECT client;
                    GetClientRect(FWnd, &client);
                    const POINT p{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
                    Inherited(Msg, WParam, LParam);
                    SetMouseInside(PtInRect(&client, p) != 0);
                }
                Result = 0;
                return true;
            default: break;
        }
        return TWin32Peer::WindowMessage(Msg, WParam, LParam, Result);
    }

private:
    void Paint(const DRAWITEMSTRUCT& Item) {
        const RECT& r = Item.rcItem;
        const int w = r.right - r.left, h = r.bottom - r.top;
        if (w <= 0 || h <= 0) return;
        HDC memory = CreateCompatibleDC(Item.hDC);
        HBITMAP bitmap = CreateCompatibleBitmap(Item.hDC, w, h);
        HGDIOBJ old = SelectObject(memory, bitmap);
        {
            TGdiCanvas canvas(memory);
            FControl.Paint(canvas);
        }
        BitBlt(Item.hDC, r.left, r.top, w, h, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
};
}  // namespace

std::unique_ptr<TControlPeer> CreateOwnerDrawButtonPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TOwnerDrawButtonPeer>(
        Control, CreateChildWindow("BUTTON", BS_OWNERDRAW, Control, Parent));
}
