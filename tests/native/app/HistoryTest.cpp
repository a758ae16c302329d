// The runs' history in the main window, on the virtual clock: each run's
// line, its later reading and what takes it sooner, the tray tip, the
// automatic runs held back, and the runs a command asks of the instance.
#include "tests/native/app/MainWindowFixture.h"

namespace {
const std::string Day = "2024-03-09;14:05:07;";

class HistoryTest : public MainWindowTest {
protected:
    // 64 MB installed, 20 of them free; the manual method at 8 MB; no alarm.
    void Open() {
        App.reset();  // the last window writes what it still holds before the files are new
        Memory = TFakeMemoryApi();
        Files = TFakeFileSystem();
        Link.ThreadPosts.clear();
        Create(64 * MB);
        SetFree(20);
        Form->CheckBox3->SetChecked(false);
        Form->RadioButton2->SetChecked(true);
        Form->TrackBar1->SetPosition(8);
    }
    void SetFree(int Megabytes) { Memory.Status.AvailPhys = Megabytes * MB; }
    void Advance(uint64_t Ms) { Windows.Clock.Advance(Ms); }
    // A click on "&Optimise!"; During runs inside the run, at its first pump.
    void Optimise(std::function<void()> During = [] {}) {
        Queue.Post({}, std::move(During));
        Form->BitBtn1->Click();
    }
    std::string Runs() {  // the history after its header
        const std::string& text = Files.Files["C:\\Users\\Jeanne\\AppData\\Torvane XP\\historique.csv"];
        return text.empty() ? text : text.substr(std::string(HistoryHeader).size());
    }
    std::string FirstRun() { return Runs().substr(0, Runs().find('\n') + 1); }
    std::string Tip() {
        Form->Timer1Timer(Form);
        return Form->TrayIcon1->Hint();
    }
    void Request(intptr_t Megabytes) {
        TMessage request{nullptr, Link.OptimiseMessage(), 501, Megabytes};
        intptr_t result = 0;
        Form->Dispatch(request, result);
    }
    std::vector<uintptr_t> Answers() {
        std::vector<uintptr_t> codes;
        for (const auto& post : Link.ThreadPosts)
            if (post.Thread == 501 && post.Msg == Link.OptimisedMessage()) codes.push_back(post.WParam);
        return codes;
    }
};
}  // namespace

TEST_F(HistoryTest, EachRunIsRecordedOnceItsLaterReadingIsTaken) {
    struct TCase {
        std::function<void()> Start;
        int Method;
        bool Fails, Cancelled;
        int After;
        const char* Line;
    };
    const auto button = [this] { Form->BitBtn1->Click(); };
    const TCase cases[] = {
        {button, ManualMethod, false, false, 30, "manuel;Manuel;8;20;30;24;60;10;6;1500;terminé\r\n"},
        {button, ManualMethod, false, true, 21, "manuel;Manuel;8;20;21;24;60;1;0;1500;annulé\r\n"},
        {[this] { Form->RecoverRam1->Click(); }, SystemMethod, true, false, 20, "manuel;Système;32;20;20;24;60;0;0;1500;échec\r\n"},
        {[this] { Form->Timer5Timer(Form); }, WholeMethod, false, false, 17, "intervalle;Tout;64;20;17;24;60;-3;0;1500;terminé\r\n"},
    };
    for (const TCase& c : cases) {
        Open();
        RadioButton(c.Method)->SetChecked(true);
        if (c.Fails) Memory.FailCommit(0);
        Queue.Post({}, [&] {
            SetFree(c.After);
            Advance(1500);
            if (c.Cancelled) Form->BitBtn3->Click();
        });
        c.Start();
        SetFree(24);
        Advance(59'999);
        EXPECT_EQ(Runs(), "") << c.Line << ": not before its later reading";
        Advance(1);
        EXPECT_EQ(Runs(), Day + c.Line);
    }
}

TEST_F(HistoryTest, TheLaterReadingIsTakenSoonerByTheNextRunAndNotAtAllAtExit) {
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[this] { Optimise(); }, "manuel;Manuel;8;20;30;26;25;10;4;0;terminé\r\n"},
        {[this] { Form->exit_appli(); }, "manuel;Manuel;8;20;30;;;10;;0;terminé\r\n"},
        {[this] { Form->WMEndSession(true); }, "manuel;Manuel;8;20;30;;;10;;0;terminé\r\n"},
    };
    for (const auto& [next, line] : cases) {
        Open();
        Optimise([this] { SetFree(30); });
        Advance(25'000);
        SetFree(26);
        next();
        EXPECT_EQ(FirstRun(), Day + line);
    }
}

TEST_F(HistoryTest, TheTrayTipGainsTheLastRunWhereTheShellShowsTwoLines) {
    Open();
    EXPECT_EQ(Tip(), "RAM Libre : 20 MB sur 64 MB RAM Installée") << "before the first run";
    const std::string free = "RAM Libre : 24 MB sur 64 MB RAM Installée\r\nDernière optimisation : ";
    Optimise([this] { SetFree(30); });
    SetFree(24);
    EXPECT_EQ(Tip(), free + "10 MB libérés");
    Advance(60'000);
    EXPECT_EQ(Tip(), free + "10 MB libérés, 6 MB revenus en 60 s");
    Shell.TipRoom = 63;
    EXPECT_EQ(Tip(), "RAM Libre : 24 MB sur 64 MB RAM Installée") << "a shell before 5.0";
    Shell.TipRoom = 127;
    Optimise();  // freeing nothing, its minute cut short by the next run
    Advance(20'000);
    std::string tip;
    Optimise([&] { tip = Tip(); });
    EXPECT_EQ(tip, free + "0 MB libérés") << "20 s are not its minute";
}

TEST_F(HistoryTest, AnAutomaticRunThatFreedNothingHoldsTheTriggersBackUntilSomethingChanges) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"nothing", [] {}},
        {"the method", [this] { Form->RadioButton1->SetChecked(true); }},
        {"the manual amount", [this] { Form->TrackBar1->SetPosition(4); }},
        {"the alarm box", [this] { Form->CheckBox3->SetChecked(false), Form->CheckBox3->SetChecked(true); }},
        {"the alarm level", [this] { Form->SpinEdit1->SetValue(40); }},
        {"the processor ceiling", [this] { Form->SpinEdit3->SetValue(20); }},
        {"the interval box", [this] { Form->CheckBox5->SetChecked(false); }},
        {"the interval minutes", [this] { Form->SpinEdit2->SetValue(2); }},
        {"a manual run", [this] { Optimise(); }},
    };
    for (const auto& [name, change] : changes) {
        Open();  // 31 % free, under the alarm level of 35
        Form->CheckBox3->SetChecked(true);
        Form->SpinEdit2->SetValue(1);
        Form->CheckBox5->SetChecked(true);  // a chance every minute as well
        Advance(30'000);
        ASSERT_EQ(Memory.Commits(), 8) << name << ": the alarm's run, which frees nothing";
        Advance(60'000);
        change();
        const int commits = Memory.Commits();
        const bool ends = name != std::string("nothing");
        Advance(30'000);
        EXPECT_EQ(Memory.Commits() > commits, ends) << name << ": the alarm at 2 min";
        if (ends) continue;
        Advance(209'999);
        EXPECT_EQ(Memory.Commits(), commits) << "neither trigger runs for 5 min";
        EXPECT_EQ(Runs(), Day + "alarme;Manuel;8;20;20;20;60;0;0;0;terminé\r\n") << "the history says nothing of them";
        Advance(1);
        EXPECT_EQ(Memory.Commits(), commits + 8) << "5 min after the run";
    }
}

TEST_F(HistoryTest, ACommandsRunIsMadeByTheInstanceAndAnsweredOnceItsRecordIsComplete) {
    struct TCase {
        intptr_t Megabytes;  // 0: the window's method
        bool Fails, DuringARun;
        uintptr_t Code;
        const char* Line;
    };
    const TCase cases[] = {
        {16, false, false, 0, "ligne de commande;Manuel;16;20;20;20;60;0;0;0;terminé\r\n"},
        {0, true, false, 1, "ligne de commande;Manuel;8;20;20;20;60;0;0;0;échec\r\n"},
        {16, false, true, 1, "manuel;Manuel;8;20;20;20;60;0;0;0;terminé\r\n"},
    };
    for (const TCase& c : cases) {
        Open();
        if (c.Fails) Memory.FailCommit(0);
        if (c.DuringARun) {
            Optimise([&] { Request(c.Megabytes); });
            EXPECT_EQ(Answers(), std::vector<uintptr_t>{c.Code}) << "refused at once";
        } else {
            Request(c.Megabytes);
        }
        Advance(59'999);
        EXPECT_EQ(Answers().size(), c.DuringARun ? 1u : 0u) << c.Line;
        Advance(1);
        EXPECT_EQ(Answers(), std::vector<uintptr_t>{c.Code}) << c.Line;
        EXPECT_EQ(FirstRun(), Day + c.Line);
    }
}
