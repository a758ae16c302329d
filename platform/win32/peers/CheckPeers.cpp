// Check boxes and radio buttons: the window shows the control's check mark.
// Both are automatic buttons, which turn their own mark at a click: the
// control takes the mark the window shows, applies the group's rule and
// raises its event. Each radio button is a group of its own to the system,
// so that the system unchecks no sibling: the group's rule is the
// control's. A disabled one keeps its mark, whatever another program's
// BM_CLICK did to the window.
#include "platform/win32/peers/StdPeers.h"
#include "ui/StdControls.h"

namespace {
template <class TCheckControl>
class TCheckPeer : public TWin32Peer {
public:
    TCheckPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) { KindChanged(ccChecked); }
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_COMMAND || HIWORD(WParam) != BN_CLICKED) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        const bool checked = SendMessageA(FWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (FControl.Enabled()) Check().CheckedFromWindow(checked);
        else Changed(ccChecked);
        Result = 0;
        return true;
    }

protected:
    void KindChanged(TControlChange What) override {
        if (What == ccChecked) SendMessageA(FWnd, BM_SETCHECK, Check().Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }

private:
    TCheckControl& Check() const { return static_cast<TCheckControl&>(FControl); }
};
}  // namespace

std::unique_ptr<TControlPeer> CreateCheckBoxPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TCheckPeer<TCheckBox>>(
        Control, CreateChildWindow("BUTTON", BS_AUTOCHECKBOX, Control, Parent));
}

std::unique_ptr<TControlPeer> CreateRadioButtonPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TCheckPeer<TRadioButton>>(
        Control, CreateChildWindow("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, Control, Parent));
}

std::unique_ptr<TControlPeer> CreateGroupBoxPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TWin32Peer>(Control, CreateChildWindow("BUTTON", BS_GROUPBOX, Control, Parent));
}
