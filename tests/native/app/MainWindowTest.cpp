#include "tests/native/app/MainWindowFixture.h"

TEST_F(MainWindowTest, CreationSetsUpTheWindowAndItsState) {
    Create(512 * MB);
    EXPECT_EQ(Form->InstalledMB, 512);
    EXPECT_EQ(Form->CpuSamples, 1);
    EXPECT_FALSE(Form->DefragRunning);
    EXPECT_EQ(Form->Caption(), "Torvane XP");
    EXPECT_EQ(Form->BorderStyle(), bsNone);
    EXPECT_EQ(Form->Width(), 360);
    EXPECT_EQ(Form->Height(), 313);
    EXPECT_TRUE(Form->ScreenSnap());
    EXPECT_TRUE(Form->AlphaBlend());
    EXPECT_EQ(Form->AlphaBlendValue(), 255);
    EXPECT_TRUE(Form->ShowHint());
    EXPECT_TRUE(Form->SettingsRegistry);

    const char* captions[] = {"Système", "Paramètres", "Informations", "Processeur", "A propos de..."};
    ASSERT_EQ(Form->Memoire->PageCount(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Form->Memoire->Pages(i)->Caption(), captions[i]);
    EXPECT_EQ(Form->Memoire->ActivePage(), Form->TabSheet1);
    EXPECT_TRUE(Form->TabSheet1->Visible());
    EXPECT_FALSE(Form->TabSheet2->Visible());

    const std::string& about = Form->Label2->Caption();
    EXPECT_EQ(about.substr(about.size() - 15), "Version : 3.1.1");
    EXPECT_EQ(Form->SkinButton4->Caption(), "&Quitter Torvane XP");
    EXPECT_EQ(Form->Image2->Height(), 25);
    EXPECT_GT(Form->Image2->Picture().Width(), 0) << "caption strip picture not loaded";
}

TEST_F(MainWindowTest, InstalledMegabytesRoundHalfToEven) {
    Create(1024 * MB + MB / 2);
    EXPECT_EQ(Form->InstalledMB, 1024);
    Create(1025 * MB + MB / 2);
    EXPECT_EQ(Form->InstalledMB, 1026);
    Create(4096 * MB);  // more than a 32-bit figure can hold
    EXPECT_EQ(Form->InstalledMB, 4096);
}

TEST_F(MainWindowTest, ShowingCentresTheWindowOnTheWorkArea) {
    Create(512 * MB);
    Form->Show();
    EXPECT_TRUE(Form->Visible());
    EXPECT_EQ(Form->BoundsRect(), Bounds((1024 - 360) / 2, (738 - 313) / 2, 360, 313));
    Form->BoundsFromWindow(Bounds(0, 0, 360, 313));  // the user moved it: the window system says so
    Form->Hide();
    Form->Show();
    EXPECT_EQ(Form->BoundsRect(), Bounds(0, 0, 360, 313));
}

TEST_F(MainWindowTest, QuitButtonEndsTheApplicationAndSavesTheSettings) {
    Create(512 * MB);
    Form->Show();
    Form->SkinButton4->Click();
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(SavedVersion(), "3.1.1");
    EXPECT_EQ(Registry.StringValue("HKCU\\Software\\Torvane XP\\settings", "Path"),
              "\"C:\\Programmes\\Torvane\\TorvaneXP.exe\"");
    EXPECT_TRUE(QuitQueued());
    EXPECT_EQ(Registry.OpenHandles(), 0);
}

// An exit command dispatched by the run's own pump, or a close request from
// another program (an installer): the run is cancelled and releases
// everything, the settings are saved, and the loop ends only after the run has
// returned.
struct TExitWay {
    const char* Name;
    void (*Quit)(TfMainMem& Form);
};
void PrintTo(const TExitWay& Way, std::ostream* Out) { *Out << Way.Name; }
class MainWindowExitTest : public MainWindowTest, public ::testing::WithParamInterface<TExitWay> {};

TEST_P(MainWindowExitTest, ExitDuringARunCancelsItAndTheLoopEndsAfterIt) {
    Create(512 * MB);
    std::vector<std::string> order;
    Queue.Post({}, [&] {
        Form->MemRecovery1->Defrag(8);
        order.push_back("run returned");
    });
    Queue.Post({}, [&] {
        order.push_back("exit");
        GetParam().Quit(*Form);
    });
    App->Run();

    EXPECT_EQ(order, (std::vector<std::string>{"exit", "run returned"}));
    EXPECT_EQ(Memory.Commits(), 1);
    EXPECT_EQ(Memory.Held(), 0);
    EXPECT_EQ(Memory.BadReleases(), 0);
    EXPECT_EQ(SavedVersion(), "3.1.1");
    EXPECT_FALSE(Queue.RanDry()) << "the loop must end on the quit message";
    EXPECT_TRUE(App->Terminated());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainWindowExitTest,
    ::testing::Values(TExitWay{"QuitCommand", [](TfMainMem& Form) { Form.exit_appli(); }},
                      TExitWay{"CloseMessage",
                               [](TfMainMem& Form) {
                                   intptr_t result = 1;
                                   TMessage close{nullptr, 0x0010, 0, 0};
                                   EXPECT_TRUE(Form.WndProc(close, result));
                                   EXPECT_EQ(result, 0);
                               }}),
    [](const ::testing::TestParamInfo<TExitWay>& Info) { return std::string(Info.param.Name); });

TEST_F(MainWindowTest, EndOfSessionSavesAndClosesOnlyWhenTheSessionEnds) {
    Create(512 * MB);
    Form->Show();
    intptr_t result = 0;
    TMessage query{nullptr, 0x0011, 0, 0};
    ASSERT_TRUE(Form->WndProc(query, result));
    EXPECT_EQ(result, 1);

    TMessage refused{nullptr, 0x0016, 0, 0};
    ASSERT_TRUE(Form->WndProc(refused, result));
    EXPECT_EQ(SavedVersion(), "3.1.1");
    EXPECT_TRUE(Form->Visible());
    EXPECT_FALSE(QuitQueued());

    TMessage ends{nullptr, 0x0016, 1, 0};
    ASSERT_TRUE(Form->WndProc(ends, result));
    EXPECT_FALSE(Form->Visible());
    EXPECT_TRUE(QuitQueued());
}

TEST_F(MainWindowTest, WakeMessageShowsTheHiddenWindowOnTheSamePage) {
    Create(512 * MB);
    Form->Show();
    Form->Memoire->SetActivePageIndex(4);
    Form->Hide();
    intptr_t result = 0;
    TMessage wake{nullptr, 0x0400, 0, 0};
    ASSERT_TRUE(Form->WndProc(wake, result));
    EXPECT_TRUE(Form->Visible());
    EXPECT_EQ(Form->Memoire->ActivePageIndex(), 4);
}

TEST_F(MainWindowTest, UnknownMessagesAreLeftToTheSystem) {
    Create(512 * MB);
    intptr_t result = 0;
    TMessage paint{nullptr, 0x000F, 0, 0};
    EXPECT_FALSE(Form->WndProc(paint, result));
}

TEST_F(MainWindowTest, CommandButtonsAreSkinnedWithTheirGlyphsAndBothMenusDrawFlat) {
    Create(512 * MB);
    for (TSkinButton* button : {Form->BitBtn1, Form->BitBtn3, Form->SkinButton4, Form->BitBtn5, Form->SkinButton2,
                                Form->SkinButton3, Form->SkinButton1}) {
        EXPECT_EQ(button->Quality(), bqHigh) << button->Name();
        const TBitmap& glyph = button->Glyph();
        ASSERT_EQ(glyph.Width(), 16) << button->Name();
        ASSERT_EQ(glyph.Height(), 16) << button->Name();
        const uint32_t clear = ColorToPixel(glyph.TransparentColor());
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) opaque += (glyph.ScanLine(y)[x] & 0xFFFFFF) != clear;
        EXPECT_GT(opaque, 16) << button->Name() << ": a picture, not a blank";
        EXPECT_LT(opaque, 256) << button->Name() << ": with a transparent surround";
    }
    EXPECT_TRUE(Form->FlatMenu1->Active());
    for (TPopupMenu* menu : {Form->PopupMenu1, Form->PopupMenu2}) {
        EXPECT_TRUE(menu->OwnerDraw()) << menu->Name();
        for (int i = 0; i < menu->Items().Count(); ++i)
            EXPECT_TRUE(menu->Items().Items(i)->OnDrawItem.Assigned()) << menu->Items().Items(i)->Caption();
    }
    EXPECT_EQ(Form->PopupMenu1->Images(), Form->ImageList1);
    EXPECT_EQ(Form->PopupMenu2->Images(), nullptr) << "the rate items show their tick alone";
    const std::pair<TMenuItem*, int> icons[] = {{Form->Open1, 0}, {Form->RecoverRam1, 1}, {Form->Cancel1, 2}, {Form->Exit1, 3}};
    for (auto [item, image] : icons) EXPECT_EQ(item->ImageIndex(), image) << item->Caption();
}
