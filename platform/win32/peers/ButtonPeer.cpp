// A push button: the system's click (mouse, keys, BM_CLICK) becomes Click(),
// unless the button is disabled (another program's BM_CLICK still reaches it).
#include "platform/win32/peers/StdPeers.h"

namespace {
class TButtonPeer : public TWin32Peer {
public:
    using TWin32Peer::TWin32Peer;
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_COMMAND || HIWORD(WParam) != BN_CLICKED) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        if (FControl.Enabled()) FControl.Click();
        Result = 0;
        return true;
    }
};
}  // namespace

std::unique_ptr<TControlPeer> CreateButtonPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TButtonPeer>(Control,
                                         CreateChildWindow("BUTTON", BS_PUSHBUTTON, Control, Parent));
}
