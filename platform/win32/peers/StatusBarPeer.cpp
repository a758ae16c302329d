// A status bar: the system's, in simple mode with one text, placed by its
// control's bounds rather than by itself.
#include "platform/win32/peers/StdPeers.h"

#include <commctrl.h>

#include "ui/StdControls.h"

namespace {
class TStatusBarPeer : public TWin32Peer {
public:
    TStatusBarPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) {
        SendMessageA(FWnd, SB_SIMPLE, TRUE, 0);
        Changed(ccText);
    }

protected:
    void KindChanged(TControlChange What) override {
        if (What != ccText) return;
        // 255: the simple part.
        SendMessageA(FWnd, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(Bar().SimpleText().c_str()));
    }

private:
    TStatusBar& Bar() const { return static_cast<TStatusBar&>(FControl); }
};
}  // namespace

std::unique_ptr<TControlPeer> CreateStatusBarPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TStatusBarPeer>(
        Control, CreateChildWindow(STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | SBARS_SIZEGRIP,
                                   Control, Parent));
}
