// The runs' history in the main window, on the virtual clock: each run's
// line in the history file, its later reading and what cuts it short, the
// tray tip's second line, the automatic runs held back while they do not
// help, and the runs that a command asks of the running instance.
#include "tests/native/app/MainWindowFixture.h"

namespace {
const std::string HistoryFile = "C:\\Users\\Jeanne\\AppData\\Torvane XP\\historique.csv";

class HistoryTest : public MainWindowTest {
protected:
    // 64 MB installed, FreeMB of them free; the manual method at 8 MB; no
    // alarm trigger unless a test turns it on.
    void CreateWithFree(int FreeMB) {
        App.reset();  // the last window writes what it still holds before the files are new
        Memory = TFakeMemoryApi();
        Files = TFakeFileSystem();
        Link.ThreadPosts.clear();
        Create(64 * MB);
        SetFree(FreeMB);
        Form->CheckBox3->SetChecked(false);
        Form->RadioButton2->SetChecked(true);
        Form->TrackBar1->SetPosition(8);
    }
    void SetFree(int Megabytes) { Memory.Status.AvailPhys = Megabytes * MB; }
    // Runs Action from inside the next run, at its first pump.
    void DuringTheRun(std::function<void()> Action) { Queue.Post({}, std::move(Action)); }
    void Advance(uint64_t Ms) { Windows.Clock.Advance(Ms); }
    // The history's lines after its header.
    std::vector<std::string> Runs() const {
        std::vector<std::string> runs;
        auto found = Files.Files.find(HistoryFile);
        if (found == Files.Files.end()) return runs;
        const std::string& text = found->second;
        EXPECT_EQ(text.rfind(HistoryHeader, 0), 0u) << "the header comes first";
        for (size_t start = text.find('\n') + 1; start < text.size();) {
            const size_t end = text.find('\n', start) + 1;
            runs.push_back(text.substr(start, end - start));
            start = end;
        }
        return runs;
    }
    std::string Tip() {
        Form->Timer1Timer(Form);
        return Form->TrayIcon1->Hint();
    }
    void Request(uintptr_t Thread, intptr_t Megabytes) {
        TMessage request{nullptr, Link.OptimiseMessage(), Thread, Megabytes};
        intptr_t result = 0;
        EXPECT_TRUE(Form->Dispatch(request, result));
    }
    std::vector<uintptr_t> Answers(uint32_t Thread) {
        std::vector<uintptr_t> codes;
        for (const auto& post : Link.ThreadPosts) {
            EXPECT_EQ(post.Msg, Link.OptimisedMessage());
            if (post.Thread == Thread) codes.push_back(post.WParam);
        }
        return codes;
    }
};
}  // namespace

TEST_F(HistoryTest, EachRunIsRecordedOnceItsLaterReadingIsTaken) {
    struct TCase {
        const char* Name;
        std::function<void()> Start;
        std::function<void()> During;
        std::string Line;
    };
    const TCase cases[] = {
        {"completed from the button", [this] { Form->BitBtn1->Click(); },
         [this] {
             SetFree(30);
             Advance(1500);
         },
         "2024-03-09;14:05:07;manuel;Manuel;8;20;30;24;60;10;6;1500;terminé\r\n"},
        {"cancelled from the button", [this] { Form->BitBtn1->Click(); },
         [this] {
             SetFree(21);
             Form->BitBtn3->Click();
         },
         "2024-03-09;14:05:07;manuel;Manuel;8;20;21;24;60;1;0;0;annulé\r\n"},
        {"failed, by the system method from the menu",
         [this] {
             Memory.FailCommit(0);
             Form->RadioButton1->SetChecked(true);
             Form->RecoverRam1->Click();
         },
         [] {}, "2024-03-09;14:05:07;manuel;Système;32;20;20;24;60;0;0;0;échec\r\n"},
        {"the whole memory, freeing less than nothing",
         [this] {
             Form->RadioButton3->SetChecked(true);
             Form->BitBtn1->Click();
         },
         [this] { SetFree(17); }, "2024-03-09;14:05:07;manuel;Tout;64;20;17;24;60;-3;0;0;terminé\r\n"},
    };
    for (const TCase& c : cases) {
        CreateWithFree(20);
        DuringTheRun([&] { c.During(); });
        c.Start();
        SetFree(24);
        Advance(59'999);
        EXPECT_TRUE(Runs().empty()) << c.Name << ": not before its later reading";
        Advance(1);
        EXPECT_EQ(Runs(), std::vector<std::string>{c.Line}) << c.Name;
    }
}

TEST_F(HistoryTest, TheLaterReadingIsTakenSoonerByTheNextRunAndNotAtAllAtExit) {
    struct TCase {
        const char* Name;
        std::function<void()> Next;
        std::string Line;
    };
    const TCase cases[] = {
        {"another run 25 s later", [this] { Form->BitBtn1->Click(); },
         "2024-03-09;14:05:07;manuel;Manuel;8;20;30;26;25;10;4;0;terminé\r\n"},
        {"a quit 25 s later", [this] { Form->exit_appli(); },
         "2024-03-09;14:05:07;manuel;Manuel;8;20;30;;;10;;0;terminé\r\n"},
        {"the session's end 25 s later", [this] { Form->WMEndSession(true); },
         "2024-03-09;14:05:07;manuel;Manuel;8;20;30;;;10;;0;terminé\r\n"},
    };
    for (const TCase& c : cases) {
        CreateWithFree(20);
        DuringTheRun([&] { SetFree(30); });
        Form->BitBtn1->Click();
        Advance(25'000);
        SetFree(26);
        c.Next();
        const std::vector<std::string> runs = Runs();
        ASSERT_FALSE(runs.empty()) << c.Name;
        EXPECT_EQ(runs[0], c.Line) << c.Name;
    }
}

TEST_F(HistoryTest, TheTrayTipGainsTheLastRunWhereTheShellShowsTwoLines) {
    CreateWithFree(20);
    const std::string free = "RAM Libre : 24 MB sur 64 MB RAM Installée";
    EXPECT_EQ(Tip(), "RAM Libre : 20 MB sur 64 MB RAM Installée") << "before the first run";
    DuringTheRun([&] { SetFree(30); });
    Form->BitBtn1->Click();
    SetFree(24);
    EXPECT_EQ(Tip(), free + "\r\nDernière optimisation : 10 MB libérés");
    Advance(60'000);
    EXPECT_EQ(Tip(), free + "\r\nDernière optimisation : 10 MB libérés, 6 MB revenus en 60 s");
    Shell.TipRoom = 63;
    EXPECT_EQ(Tip(), free) << "a shell before 5.0";
    Shell.TipRoom = 127;
    Form->BitBtn1->Click();  // frees nothing; its minute is cut short by the next run
    Advance(20'000);
    std::string tipDuringTheNextRun;
    DuringTheRun([&] { tipDuringTheNextRun = Tip(); });
    Form->BitBtn1->Click();
    EXPECT_EQ(tipDuringTheNextRun, free + "\r\nDernière optimisation : 0 MB libérés") << "20 s are not its minute";
}

TEST_F(HistoryTest, AnAutomaticRunThatFreedNothingHoldsTheTriggersBackUntilSomethingChanges) {
    struct TCase {
        const char* Name;
        std::function<void()> Change;
        bool Ends;
    };
    const TCase cases[] = {
        {"nothing", [] {}, false},
        {"the method", [this] { Form->RadioButton1->SetChecked(true); }, true},
        {"the manual amount", [this] { Form->TrackBar1->SetPosition(4); }, true},
        {"the alarm box", [this] {
             Form->CheckBox3->SetChecked(false);
             Form->CheckBox3->SetChecked(true);
         }, true},
        {"the alarm level", [this] { Form->SpinEdit1->SetValue(40); }, true},
        {"the processor ceiling", [this] { Form->SpinEdit3->SetValue(20); }, true},
        {"the interval box", [this] { Form->CheckBox5->SetChecked(false); }, true},
        {"the interval minutes", [this] { Form->SpinEdit2->SetValue(2); }, true},
        {"a manual run", [this] { Form->BitBtn1->Click(); }, true},
    };
    for (const TCase& c : cases) {
        CreateWithFree(20);  // 31 % free, under the alarm level of 35
        Form->CheckBox3->SetChecked(true);
        Form->SpinEdit2->SetValue(1);
        Form->CheckBox5->SetChecked(true);  // a chance every minute as well
        Advance(30'000);
        ASSERT_EQ(Memory.Commits(), 8) << c.Name << ": the alarm's run, which frees nothing";
        Advance(60'000);
        c.Change();
        const int commits = Memory.Commits();
        Advance(30'000);
        EXPECT_EQ(Memory.Commits() > commits, c.Ends) << c.Name << ": the next alarm at 2 min";
        if (c.Ends) continue;
        Advance(209'999);
        EXPECT_EQ(Memory.Commits(), commits) << c.Name << ": neither trigger runs for 5 min";
        EXPECT_EQ(Runs().size(), 1u) << c.Name << ": the history says nothing of them";
        Advance(1);
        EXPECT_EQ(Memory.Commits(), commits + 8) << c.Name << ": 5 min after the run";
    }
}

TEST_F(HistoryTest, ACommandsRunIsMadeByTheInstanceAndAnsweredOnceItsRecordIsComplete) {
    struct TCase {
        const char* Name;
        std::function<void()> Ask;
        uint64_t AnsweredAfter;
        uintptr_t Code;
        std::string Line;  // the first one
    };
    const TCase cases[] = {
        {"of 16 MB", [this] { Request(501, 16); }, 60'000, 0,
         "2024-03-09;14:05:07;ligne de commande;Manuel;16;20;20;20;60;0;0;0;terminé\r\n"},
        {"by the window's method", [this] {
             Form->RadioButton3->SetChecked(true);
             Request(501, 0);
         }, 60'000, 0, "2024-03-09;14:05:07;ligne de commande;Tout;64;20;20;20;60;0;0;0;terminé\r\n"},
        {"that fails", [this] {
             Memory.FailCommit(0);
             Request(501, 2000);
         }, 60'000, 1, "2024-03-09;14:05:07;ligne de commande;Manuel;1024;20;20;20;60;0;0;0;échec\r\n"},
        {"cut short by a quit", [this] {
             Request(501, 16);
             Advance(5'000);
             Form->exit_appli();
         }, 0, 0, "2024-03-09;14:05:07;ligne de commande;Manuel;16;20;20;;;0;;0;terminé\r\n"},
        {"during another run", [this] {
             DuringTheRun([this] { Request(501, 16); });
             Form->BitBtn1->Click();
         }, 0, 1, "2024-03-09;14:05:07;manuel;Manuel;8;20;20;20;60;0;0;0;terminé\r\n"},
    };
    for (const TCase& c : cases) {
        CreateWithFree(20);
        c.Ask();
        if (c.AnsweredAfter > 0) {
            Advance(c.AnsweredAfter - 1);
            EXPECT_TRUE(Answers(501).empty()) << c.Name;
            Advance(1);
        }
        EXPECT_EQ(Answers(501), std::vector<uintptr_t>{c.Code}) << c.Name;
        Advance(60'000);
        const std::vector<std::string> runs = Runs();
        ASSERT_FALSE(runs.empty()) << c.Name;
        EXPECT_EQ(runs[0], c.Line) << c.Name;
    }
}
