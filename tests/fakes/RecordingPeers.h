#pragma once
// Peers without windows that record what each control tells them, so that
// native tests see which changes reach the window side.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Control.h"

class TRecordingPeers : public TPeerFactory {
public:
    struct TPeer : TControlPeer {
        TPeer(TRecordingPeers& R, TControl& C) : Recorder(R), Control(C) {}
        void* Handle() const override { return const_cast<TControl*>(&Control); }
        void Changed(TControlChange What) override { Recorder.Changes.emplace_back(&Control, What); }
        TRecordingPeers& Recorder;
        TControl& Control;
    };
    std::unique_ptr<TControlPeer> CreatePeer(TControl& Control, TControlPeer* Parent) override {
        Created.emplace_back(&Control, Parent);
        return std::make_unique<TPeer>(*this, Control);
    }
    // The changes told since the last call, for one control.
    std::vector<TControlChange> Take(const TControl* Control) {
        std::vector<TControlChange> taken;
        std::erase_if(Changes, [&](const auto& c) {
            if (c.first != Control) return false;
            taken.push_back(c.second);
            return true;
        });
        return taken;
    }
    std::vector<std::pair<TControl*, TControlPeer*>> Created;
    std::vector<std::pair<TControl*, TControlChange>> Changes;
};
