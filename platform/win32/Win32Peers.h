#pragma once
// Binds the portable controls to real windows: standard kinds to the common
// controls, forms and self-drawn controls to our own window classes.
#include "platform/ControlPeer.h"

class TWin32PeerFactory : public TPeerFactory {
public:
    std::unique_ptr<TControlPeer> CreatePeer(TControl& Control, TControlPeer* Parent) override;
};
