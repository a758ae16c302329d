// A track bar: the system's trackbar with automatic ticks and a selection
// range; the user's dragging and keys come back as scroll notifications.
#include "platform/win32/peers/StdPeers.h"

#include <commctrl.h>

#include "ui/TrackBar.h"

namespace {
class TTrackBarPeer : public TWin32Peer {
public:
    TTrackBarPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) {
        Changed(ccRange);
        Changed(ccPosition);
        Changed(ccSelection);
    }
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_HSCROLL && Msg != WM_VSCROLL) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        if (!Applying()) Bar().PositionFromWindow(static_cast<int32_t>(SendMessageA(FWnd, TBM_GETPOS, 0, 0)));
        Result = 0;
        return true;
    }

protected:
    void KindChanged(TControlChange What) override {
        switch (What) {
            case ccRange:
                SendMessageA(FWnd, TBM_SETRANGEMIN, FALSE, Bar().Min());
                SendMessageA(FWnd, TBM_SETRANGEMAX, TRUE, Bar().Max());
                SendMessageA(FWnd, TBM_SETTICFREQ, Bar().Frequency(), 0);
                break;
            case ccPosition: SendMessageA(FWnd, TBM_SETPOS, TRUE, Bar().Position()); break;
            case ccSelection:
                SendMessageA(FWnd, TBM_SETSELSTART, FALSE, Bar().SelStart());
                SendMessageA(FWnd, TBM_SETSELEND, TRUE, Bar().SelEnd());
                break;
            default: break;
        }
    }

private:
    TTrackBar& Bar() const { return static_cast<TTrackBar&>(FControl); }
};
}  // namespace

std::unique_ptr<TControlPeer> CreateTrackBarPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TTrackBarPeer>(
        Control, CreateChildWindow(TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | TBS_ENABLESELRANGE,
                                   Control, Parent));
}
