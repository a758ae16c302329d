#include "platform/win32/Win32Peers.h"

#include "platform/win32/peers/StdPeers.h"
#include "ui/Control.h"

namespace {
using TCreatePeer = std::unique_ptr<TControlPeer> (*)(TControl&, TControlPeer*);

// The peer of each kind of control.
struct TPeerKind {
    TControlKind Kind;
    TCreatePeer Create;
};
const TPeerKind PeerKinds[] = {
    {ckCustom, CreateCustomPeer},
    {ckForm, CreateFormPeer},
    {ckLabel, CreateLabelPeer},
    {ckButton, CreateButtonPeer},
    {ckCheckBox, CreateCheckBoxPeer},
    {ckRadioButton, CreateRadioButtonPeer},
    {ckGroupBox, CreateGroupBoxPeer},
    {ckPanel, CreateCustomPeer},
    {ckPageControl, CreatePageControlPeer},
    {ckTabSheet, CreateTabSheetPeer},
    {ckTrackBar, CreateTrackBarPeer},
    {ckEdit, CreateEditPeer},
    {ckListView, CreateListViewPeer},
    {ckTreeView, CreateTreeViewPeer},
    {ckStatusBar, CreateStatusBarPeer},
    {ckOwnerDrawButton, CreateOwnerDrawButtonPeer},
};
}  // namespace

std::unique_ptr<TControlPeer> TWin32PeerFactory::CreatePeer(TControl& Control, TControlPeer* Parent) {
    for (const TPeerKind& kind : PeerKinds)
        if (kind.Kind == Control.Kind()) return kind.Create(Control, Parent);
    return CreateCustomPeer(Control, Parent);
}
