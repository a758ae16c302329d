// A list view: the system's list view in report style; the rows are written
// anew whenever they change, and the user's selection comes back as item
// change notifications. Moving the selection first unselects the old row,
// then selects the new one; so a row that loses the selection is only
// looked at again once the notifications are over, and the control hears
// of one change.
#include "platform/win32/peers/StdPeers.h"

#include <commctrl.h>

#include "platform/win32/Win32ImageList.h"
#include "ui/ListView.h"

namespace {
// Posted to the list view itself: read the selection now.
constexpr UINT ReadSelection = WM_APP + 1;

class TListViewPeer : public TWin32Peer {
public:
    TListViewPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) {
        Changed(ccColumns);
        Changed(ccImages);
        Changed(ccItems);
    }
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_NOTIFY) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(LParam);
        if (change->hdr.code == LVN_ITEMCHANGED && (change->uChanged & LVIF_STATE) &&
            ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) && !Applying()) {
            if (change->uNewState & LVIS_SELECTED) SelectionFromWindow();
            else PostMessageA(FWnd, ReadSelection, 0, 0);
        }
        Result = 0;
        return true;
    }

protected:
    void KindChanged(TControlChange What) override {
        switch (What) {
            case ccColumns: WriteColumns(); break;
            case ccItems:
                WriteRows();
                WriteSelection();
                break;
            case ccSelection: WriteSelection(); break;
            case ccImages: FImages.Update(List().SmallImages()); break;
            default: break;
        }
    }

    bool WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != ReadSelection) return TWin32Peer::WindowMessage(Msg, WParam, LParam, Result);
        SelectionFromWindow();
        Result = 0;
        return true;
    }

private:
    TListView& List() const { return static_cast<TListView&>(FControl); }
    void SelectionFromWindow() {
        List().ItemIndexFromWindow(static_cast<int>(SendMessageA(FWnd, LVM_GETNEXTITEM, -1, LVNI_SELECTED)));
    }

    void WriteColumns() {
        while (SendMessageA(FWnd, LVM_DELETECOLUMN, 0, 0)) {
        }
        for (int i = 0; i < List().ColumnCount(); ++i) {
            std::string caption = List().Column(i).Caption;
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = List().Column(i).Width;
            column.pszText = caption.data();
            SendMessageA(FWnd, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
    }

    // Without redrawing until the end: a list that repaints at every row
    // takes milliseconds per row. The default handling of WM_SETREDRAW
    // shows the window again, so a hidden list is left as it is.
    void WriteRows() {
        const bool shown = GetWindowLongA(FWnd, GWL_STYLE) & WS_VISIBLE;
        if (shown) SendMessageA(FWnd, WM_SETREDRAW, FALSE, 0);
        SendMessageA(FWnd, LVM_DELETEALLITEMS, 0, 0);
        for (int i = 0; i < List().Count(); ++i) {
            const TListItem& item = List().Item(i);
            std::string caption = item.Caption();
            LVITEMA row{};
            row.mask = LVIF_TEXT | LVIF_IMAGE;
            row.iItem = i;
            row.pszText = caption.data();
            row.iImage = item.ImageIndex();
            SendMessageA(FWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
            for (size_t s = 0; s < item.SubItems().size(); ++s) {
                std::string text = item.SubItems()[s];
                LVITEMA sub{};
                sub.iSubItem = static_cast<int>(s) + 1;
                sub.pszText = text.data();
                SendMessageA(FWnd, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&sub));
            }
        }
        if (!shown) return;
        SendMessageA(FWnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(FWnd, nullptr, TRUE);
    }

    void WriteSelection() {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(FWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        if (List().ItemIndex() < 0) return;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(FWnd, LVM_SETITEMSTATE, List().ItemIndex(), reinterpret_cast<LPARAM>(&state));
    }

    TControlImages FImages{FWnd, LVM_SETIMAGELIST, LVSIL_SMALL};
};
}  // namespace

std::unique_ptr<TControlPeer> CreateListViewPeer(TControl& Control, TControlPeer* Parent) {
    const auto& list = static_cast<const TListView&>(Control);
    const DWORD style = LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS |
                        (list.ShowColumnHeaders() ? 0 : LVS_NOCOLUMNHEADER);
    return std::make_unique<TListViewPeer>(Control,
                                           CreateChildWindow(WC_LISTVIEWA, style, Control, Parent, WS_EX_CLIENTEDGE));
}
