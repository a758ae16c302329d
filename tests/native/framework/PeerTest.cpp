#include <gtest/gtest.h>

#include <vector>

#include "tests/fakes/RecordingPeers.h"
#include "ui/StdControls.h"

TEST(Peers, SettersBringThePeerInStepOnlyWhenTheValueChanges) {
    TComponent owner(nullptr);
    auto* panel = new TPanel(&owner);
    auto* label = new TLabel(&owner);
    label->SetParent(panel);
    label->SetCaption("avant");  // no peer yet: nothing to tell
    TRecordingPeers recorder;
    panel->CreatePeers(recorder);
    ASSERT_EQ(recorder.Created.size(), 2u);
    EXPECT_EQ(recorder.Created[1].second, panel->Peer()) << "children are created inside their parent";

    label->SetCaption("après");
    label->SetCaption("après");
    label->SetBounds(1, 2, 3, 4);
    label->SetVisible(false);
    label->SetEnabled(false);
    label->Font().SetStyle(fsBold);
    label->Font().SetStyle(fsBold);
    label->Invalidate();
    using C = std::pair<TControl*, TControlChange>;
    EXPECT_EQ(recorder.Changes, (std::vector<C>{{label, ccCaption}, {label, ccBounds}, {label, ccVisible},
                                                {label, ccEnabled}, {label, ccFont}, {label, ccPaint}}));
    panel->DestroyPeers();
    EXPECT_EQ(label->Peer(), nullptr);
    label->SetCaption("sans fenêtre");  // works without any window
    EXPECT_EQ(label->Caption(), "sans fenêtre");
}
