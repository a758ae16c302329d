// Self-drawn controls and plain containers: windows of our own class, painted
// through the control's Paint.
#include "platform/win32/peers/StdPeers.h"

HWND CreateControlWindow(TControl& Control, TControlPeer* Parent) {
    const char* const className = "TorvaneControl";
    RegisterPeerClass(className);
    return CreateChildWindow(className, WS_CLIPCHILDREN, Control, Parent);
}

std::unique_ptr<TControlPeer> CreateCustomPeer(TControl& Control, TControlPeer* Parent) {
    return std::make_unique<TWin32Peer>(Control, CreateControlWindow(Control, Parent));
}
