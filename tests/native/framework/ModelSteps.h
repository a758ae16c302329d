#pragma once
// Table-driven checks of a control without windows: each step acts on the
// control (as the program, or as the window reporting the user's doing) and
// states what the control must then hold, which changes it must have told
// its peer, and which events it must have raised, in order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/fakes/RecordingPeers.h"

struct TModelStep {
    std::string Name;
    std::function<void()> Action;
    std::string State;
    std::vector<TControlChange> Told;
    std::vector<std::string> Events;
};

class ModelSteps : public ::testing::Test {
protected:
    TNotifyEvent Record(const std::string& Name) {
        return TNotifyEvent([this, Name](TObject*) { Events.push_back(Name); });
    }
    // Gives Control a recording peer, then runs the steps.
    void Run(TControl& Control, const std::vector<TModelStep>& Steps, const std::function<std::string()>& State) {
        Control.CreatePeers(Peers);
        Peers.Take(&Control);
        for (const TModelStep& step : Steps) {
            Events.clear();
            step.Action();
            EXPECT_EQ(State(), step.State) << step.Name;
            EXPECT_EQ(Peers.Take(&Control), step.Told) << step.Name;
            EXPECT_EQ(Events, step.Events) << step.Name;
        }
    }

    TRecordingPeers Peers;
    std::vector<std::string> Events;
};
