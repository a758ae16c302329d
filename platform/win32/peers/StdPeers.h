#pragma once
// The peers of the standard kinds, each made by its own file.
#include <memory>

#include "platform/win32/peers/Win32Peer.h"

// A window of our own class for Control (self-drawn controls, containers).
HWND CreateControlWindow(TControl& Control, TControlPeer* Parent);

std::unique_ptr<TControlPeer> CreateFormPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateCustomPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateLabelPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateButtonPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateOwnerDrawButtonPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateCheckBoxPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateRadioButtonPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateGroupBoxPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreatePageControlPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateTabSheetPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateTrackBarPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateEditPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateListViewPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateTreeViewPeer(TControl& Control, TControlPeer* Parent);
std::unique_ptr<TControlPeer> CreateStatusBarPeer(TControl& Control, TControlPeer* Parent);
