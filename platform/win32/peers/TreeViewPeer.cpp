// A tree view: the system's tree view; the nodes are written anew whenever
// they change, each carrying its node as its item data, so that the user's
// selection and expanding come back to the right node.
#include "platform/win32/peers/StdPeers.h"

#include <commctrl.h>

#include <unordered_map>

#include "platform/win32/Win32ImageList.h"
#include "ui/TreeView.h"

namespace {
class TTreeViewPeer : public TWin32Peer {
public:
    TTreeViewPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) {
        Changed(ccImages);
        Changed(ccRange);
        Changed(ccItems);
    }
    bool Reflect(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        if (Msg != WM_NOTIFY) return TWin32Peer::Reflect(Msg, WParam, LParam, Result);
        // The ANSI and wide forms of the notice have the same layout here.
        const auto* notice = reinterpret_cast<const NMTREEVIEWA*>(LParam);
        auto* node = reinterpret_cast<TTreeNode*>(notice->itemNew.lParam);
        switch (notice->hdr.code) {
            case TVN_SELCHANGEDA:
            case TVN_SELCHANGEDW:
                if (!Applying()) Tree().SelectedFromWindow(node);
                break;
            case TVN_ITEMEXPANDEDA:
            case TVN_ITEMEXPANDEDW:
                if (node) node->ExpandedFromWindow(notice->action & TVE_EXPAND);
                break;
            default: break;
        }
        Result = 0;
        return true;
    }

protected:
    void KindChanged(TControlChange What) override {
        switch (What) {
            case ccItems:
                WriteNodes();
                WriteSelection();
                break;
            case ccSelection: WriteSelection(); break;
            case ccRange: SendMessageA(FWnd, TVM_SETINDENT, Tree().Indent(), 0); break;
            case ccImages: FImages.Update(Tree().Images()); break;
            default: break;
        }
    }
    // A click on a node, once the system has selected it.
    bool WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override {
        const bool handled = TWin32Peer::WindowMessage(Msg, WParam, LParam, Result);
        if (Msg == WM_LBUTTONDOWN && OnNode(LParam)) FControl.Click();
        return handled;
    }

private:
    TTreeView& Tree() const { return static_cast<TTreeView&>(FControl); }

    bool OnNode(LPARAM LParam) {
        TVHITTESTINFO hit{};
        hit.pt = {static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
        return SendMessageA(FWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) && (hit.flags & TVHT_ONITEM);
    }

    void WriteNodes() {
        SendMessageA(FWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        FItems.clear();
        for (int i = 0; i < Tree().Count(); ++i) Insert(Tree().Item(i), TVI_ROOT);
    }

    void Insert(TTreeNode* Node, HTREEITEM Parent) {
        std::string text = Node->Text();
        TVINSERTSTRUCTA insert{};
        insert.hParent = Parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
        insert.item.pszText = text.data();
        insert.item.iImage = insert.item.iSelectedImage = Node->ImageIndex();
        insert.item.lParam = reinterpret_cast<LPARAM>(Node);
        insert.item.stateMask = TVIS_EXPANDED;
        insert.item.state = Node->Expanded() ? TVIS_EXPANDED : 0;
        auto item = reinterpret_cast<HTREEITEM>(SendMessageA(FWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        FItems[Node] = item;
        for (int i = 0; i < Node->Count(); ++i) Insert(Node->Item(i), item);
    }

    void WriteSelection() {
        auto found = FItems.find(Tree().Selected());
        HTREEITEM item = found == FItems.end() ? nullptr : found->second;
        SendMessageA(FWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }

    TControlImages FImages{FWnd, TVM_SETIMAGELIST, TVSIL_NORMAL};
    std::unordered_map<const TTreeNode*, HTREEITEM> FItems;
};
}  // namespace

std::unique_ptr<TControlPeer> CreateTreeViewPeer(TControl& Control, TControlPeer* Parent) {
    const auto& tree = static_cast<const TTreeView&>(Control);
    const DWORD style = TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS |
                        (tree.HotTrack() ? TVS_TRACKSELECT : 0) | (tree.ShowToolTips() ? 0 : TVS_NOTOOLTIPS) |
                        (tree.ReadOnly() ? 0 : TVS_EDITLABELS);
    return std::make_unique<TTreeViewPeer>(Control,
                                           CreateChildWindow(WC_TREEVIEWA, style, Control, Parent, WS_EX_CLIENTEDGE));
}
