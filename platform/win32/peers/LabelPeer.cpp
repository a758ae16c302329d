// A label: a static text, which screen readers and other programs read.
#include "platform/win32/peers/StdPeers.h"

std::unique_ptr<TControlPeer> CreateLabelPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TWin32Peer>(Control, CreateChildWindow("STATIC", SS_LEFT | SS_NOTIFY, Control, Parent));
}
