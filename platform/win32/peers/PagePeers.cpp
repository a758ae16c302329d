// A page control: the system's tab control, with the tab sheets as windows of
// our own class inside it.
#include "platform/win32/peers/StdPeers.h"

#include <commctrl.h>

#include "ui/PageControl.h"

namespace {
class TPageControlPeer : public TWin32Peer {
public:
    TPageControlPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) {
        KindChanged(ccTabs);
    }
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_NOTIFY || reinterpret_cast<NMHDR*>(LParam)->code != static_cast<UINT>(TCN_SELCHANGE))
            return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        Pages().ActivePageFromWindow(TabCtrl_GetCurSel(FWnd));
        Result = 0;
        return true;
    }

protected:
    void KindChanged(TControlChange What) override {
        if (What == ccTabs) RebuildTabs();
        if (What == ccActivePage) TabCtrl_SetCurSel(FWnd, Pages().ActivePageIndex());
    }
    bool WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        bool handled = TWin32Peer::WindowMessage(Msg, WParam, LParam, Result);
        if (Msg == WM_SIZE) LayOutPages();
        return handled;
    }

private:
    TPageControl& Pages() const { return static_cast<TPageControl&>(FControl); }
    void RebuildTabs() {
        TabCtrl_DeleteAllItems(FWnd);
        for (int i = 0; i < Pages().PageCount(); ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            std::string text = Pages().Pages(i)->Caption();
            item.pszText = text.data();
            SendMessageA(FWnd, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        TabCtrl_SetCurSel(FWnd, Pages().ActivePageIndex());
        LayOutPages();
    }
    void LayOutPages() {
        RECT r;
        GetClientRect(FWnd, &r);
        TabCtrl_AdjustRect(FWnd, FALSE, &r);
        Pages().SetDisplayRect(TRect{r.left, r.top, r.right, r.bottom});
    }
};

// A sheet's caption is its tab's text.
class TTabSheetPeer : public TWin32Peer {
public:
    using TWin32Peer::TWin32Peer;
    void Changed(TControlChange What) override {
        TWin32Peer::Changed(What);
        if (What == ccCaption) static_cast<TTabSheet&>(FControl).PageControl()->TabsChanged();
    }
};
}  // namespace

std::unique_ptr<TControlPeer> CreatePageControlPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TPageControlPeer>(Control,
                                              CreateChildWindow(WC_TABCONTROLA, WS_CLIPCHILDREN, Control, Parent));
}

std::unique_ptr<TControlPeer> CreateTabSheetPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TTabSheetPeer>(Control, CreateControlWindow(Control, Parent));
}
