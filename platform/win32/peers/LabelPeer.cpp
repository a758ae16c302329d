// A label: a static text, which screen readers and other programs read; a
// click on it (it asks for notifications) is the control's click.
#include "platform/win32/peers/StdPeers.h"

namespace {
class TLabelPeer : public TWin32Peer {
public:
    using TWin32Peer::TWin32Peer;
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_COMMAND || HIWORD(WParam) != STN_CLICKED) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        FControl.Click();
        Result = 0;
        return true;
    }
};
}  // namespace

std::unique_ptr<TControlPeer> CreateLabelPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TLabelPeer>(Control, CreateChildWindow("STATIC", SS_LEFT | SS_NOTIFY, Control, Parent));
}
