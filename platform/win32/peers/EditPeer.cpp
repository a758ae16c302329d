// A one-line edit box: the system's edit control; the user's typing comes
// back as change notifications. A box made multi-line only to narrow its
// text rectangle is still a one-line box for the keys: Tab, Enter and Esc
// are the window's.
#include "platform/win32/peers/StdPeers.h"

#include "ui/Edit.h"

namespace {
class TEditPeer : public TWin32Peer {
public:
    TEditPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) {
        Changed(ccText);
        Changed(ccReadOnly);
        Changed(ccRange);
    }
    // The window's text is the edit's text, not a caption.
    void Changed(TControlChange What) override {
        if (What != ccCaption) TWin32Peer::Changed(What);
    }
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_COMMAND || HIWORD(WParam) != EN_CHANGE) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        if (!Applying()) Edit().TextFromWindow(WindowText());
        Result = 0;
        return true;
    }

protected:
    void KindChanged(TControlChange What) override {
        switch (What) {
            case ccText: SetWindowTextA(FWnd, Edit().Text().c_str()); break;
            case ccReadOnly: SendMessageA(FWnd, EM_SETREADONLY, Edit().ReadOnly(), 0); break;
            case ccSelection: SendMessageA(FWnd, EM_SETSEL, 0, -1); break;
            case ccRange: {
                const TRect& r = Edit().TextRect();
                if (r.Width() <= 0 || !Edit().MultiLine()) break;
                RECT area{r.Left, r.Top, r.Right, r.Bottom};
                SendMessageA(FWnd, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&area));
                break;
            }
            default: break;
        }
    }
    bool WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg == WM_GETDLGCODE) {
            Result = Inherited(Msg, WParam, LParam) & ~DLGC_WANTALLKEYS;
            return true;
        }
        if ((Msg == WM_CUT || Msg == WM_PASTE || Msg == WM_CLEAR) && !Edit().AllowsCutAndPaste()) {
            Result = 0;
            return true;
        }
        // Wine's edit paints over its child windows (a spin edit's arrows):
        // they paint again after it. The base only notes that the paint came.
        if (Msg == WM_PAINT && GetWindow(FWnd, GW_CHILD)) {
            TWin32Peer::WindowMessage(Msg, WParam, LParam, Result);
            Result = Inherited(Msg, WParam, LParam);
            for (HWND child = GetWindow(FWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return true;
        }
        return TWin32Peer::WindowMessage(Msg, WParam, LParam, Result);
    }

private:
    TEdit& Edit() const { return static_cast<TEdit&>(FControl); }
    std::string WindowText() const {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(FWnd)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(FWnd, text.data(), static_cast<int>(text.size()))));
        return text;
    }
};
}  // namespace

std::unique_ptr<TControlPeer> CreateEditPeer(TControl& Control, TControlPeer* Parent) {
    const DWORD lines = static_cast<const TEdit&>(Control).MultiLine() ? ES_MULTILINE : 0;
    return std::make_unique<TEditPeer>(
        Control, CreateChildWindow("EDIT", ES_AUTOHSCROLL | WS_CLIPCHILDREN | lines, Control, Parent,
                                   WS_EX_CLIENTEDGE));
}
