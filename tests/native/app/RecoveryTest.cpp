// Recovery control: the methods' amounts, the commands through the states of
// a run (seen from inside the run, as the run's own pump dispatches), and
// the manual amount's read-outs.
#include "tests/native/app/MainWindowFixture.h"

namespace {
class RecoveryTest : public MainWindowTest {
protected:
    // The commands' state: start button, cancel button, menu start, menu cancel, running flag.
    std::string Commands() const {
        auto mark = [](bool On) { return On ? "+" : "-"; };
        return std::string(mark(Form->BitBtn1->Enabled())) + mark(Form->BitBtn3->Enabled()) +
               mark(Form->RecoverRam1->Enabled()) + mark(Form->Cancel1->Enabled()) + (Form->DefragRunning ? " running" : "");
    }
    // Runs Action from inside the next run, at its first pump.
    void DuringTheRun(std::function<void()> Action) { Queue.Post({}, std::move(Action)); }
};
}  // namespace

TEST_F(RecoveryTest, EachMethodAsksTheEngineForItsAmount) {
    struct TCase {
        uint64_t Total;
        int Method;  // 1 Système, 2 Manuel, 3 Tout
        int Blocks;
    };
    // 3.5 MB round to 4 installed (half to even) but "Tout" truncates to 3;
    // half of 7 MB is 3.5, which rounds to 4; half of 5 MB, 2.5, to 2.
    for (TCase c : {TCase{7 * MB, 1, 4}, {5 * MB, 1, 2}, {7 * MB, 2, 3}, {7 * MB, 3, 7}, {3 * MB + MB / 2, 3, 3}}) {
        Memory = TFakeMemoryApi();
        Create(c.Total);
        RadioButton(c.Method)->SetChecked(true);
        Form->TrackBar1->SetPosition(3);
        Form->BitBtn1->Click();
        EXPECT_EQ(Memory.Commits(), c.Blocks) << c.Total << " bytes, method " << c.Method;
        EXPECT_EQ(Memory.Held(), 0);
    }
}

TEST_F(RecoveryTest, TheCommandsFollowTheRunFromRequestToEnd) {
    Create(64 * MB);
    std::vector<std::string> seen{Commands()};
    DuringTheRun([&] {
        seen.push_back(Commands());  // running
        Form->Cancel1->Click();      // the tray menu's cancel
        seen.push_back(Commands());  // cancelling
        Form->RecupRam();            // a start while it still runs: no second run
        seen.push_back(Commands());
    });
    Form->RecoverRam1->Click();
    seen.push_back(Commands());
    EXPECT_EQ(seen, (std::vector<std::string>{"+-+-", "-+-+ running", "+-+- running", "-+-+ running", "+-+-"}));
    EXPECT_EQ(Memory.Commits(), 1) << "cancelled at its first block";
    EXPECT_EQ(Form->Gauge1->Position(), 2) << "the gauge showed the progress of one block in 32 (1.56 %)";
    EXPECT_TRUE(Form->Gauge1->BarBitmap().Transparent()) << "from the first run on";
}

TEST_F(RecoveryTest, AManualRunOfNothingSwitchesTheCommandsAndBack) {
    Create(64 * MB);
    Form->RadioButton2->SetChecked(true);
    Form->TrackBar1->SetPosition(0);
    Form->Gauge1->SetPosition(40);
    Form->BitBtn1->Click();
    EXPECT_EQ(Commands(), "+-+-");
    EXPECT_EQ(Form->Gauge1->Position(), 40) << "no progress to show";
    EXPECT_EQ(Memory.Commits(), 0);
    Form->BitBtn3->Click();  // a cancel with no run changes nothing
    EXPECT_EQ(Commands(), "+-+-");
}

TEST_F(RecoveryTest, TheMethodEnablesTheTrackBarWhichShowsItsAmount) {
    Create(512 * MB);
    EXPECT_EQ(Form->TrackBar1->Max(), 512);
    EXPECT_EQ(Form->TrackBar1->Frequency(), 8);
    EXPECT_EQ(Form->TrackBar1->Position(), 256);
    EXPECT_EQ(Form->Label4->Caption(), "256 MB");
    for (int method : {2, 3, 2, 1}) {
        RadioButton(method)->SetChecked(true);
        EXPECT_EQ(Form->TrackBar1->Enabled(), method == 2) << method;
    }
    Form->TrackBar1->PositionFromWindow(200);  // the user drags it
    EXPECT_EQ(Form->Label4->Caption(), "200 MB");
    EXPECT_EQ(Form->TrackBar1->Hint(), "200");
    EXPECT_EQ(Form->TrackBar1->SelStart(), 0);
    EXPECT_EQ(Form->TrackBar1->SelEnd(), 200);
}
