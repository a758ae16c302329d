#include "tests/native/app/MainWindowFixture.h"

// What a user sees of the new window: its title, a borderless 360 x 313
// square, the five tabs with the first page showing, the caption strip's
// picture, the about page's version and the quit button.
TEST_F(MainWindowTest, TheNewWindowShowsItsTitleItsFivePagesAndTheFirst) {
    Create(512 * MB);
    EXPECT_EQ(Form->Caption(), "Torvane XP");
    EXPECT_EQ(Form->BorderStyle(), bsNone);
    EXPECT_EQ(Form->BoundsRect().Width(), 360);
    EXPECT_EQ(Form->BoundsRect().Height(), 313);
    std::string tabs;
    for (int i = 0; i < Form->Memoire->PageCount(); ++i)
        tabs += Form->Memoire->Pages(i)->Caption() + (Form->Memoire->Pages(i)->Visible() ? "*" : "") + "|";
    EXPECT_EQ(tabs, "Système*|Paramètres|Informations|Processeur|A propos de...|");
    EXPECT_GT(Form->Image2->Picture().Width(), 0) << "caption strip picture not loaded";
    const std::string& about = Form->Label2->Caption();
    EXPECT_EQ(about.substr(about.size() - 15), "Version : 3.1.1");
    EXPECT_EQ(Form->SkinButton4->Caption(), "&Quitter Torvane XP");
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
    EXPECT_EQ(Form->PopupMenu2->Images(), nullptr) << "the rate items show their tick alone";
    // Each of the tray menu's four commands shows a picture of its own, with
    // transparent parts.
    TImageList* images = Form->PopupMenu1->Images();
    ASSERT_NE(images, nullptr);
    std::vector<std::vector<uint32_t>> pictures;
    for (int i = 0; i < Form->PopupMenu1->Items().Count(); ++i) {
        TMenuItem* item = Form->PopupMenu1->Items().Items(i);
        ASSERT_TRUE(item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) << item->Caption();
        TBitmap picture;
        images->GetBitmap(item->ImageIndex(), picture, clWhite);
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 16; ++y) pixels.insert(pixels.end(), picture.ScanLine(y), picture.ScanLine(y) + 16);
        const auto white = std::count(pixels.begin(), pixels.end(), 0xFFFFFFu);
        EXPECT_TRUE(white > 0 && white < 200) << item->Caption() << ": " << white << " background pixels";
        EXPECT_EQ(std::count(pictures.begin(), pictures.end(), pixels), 0) << item->Caption() << ": the same as another's";
        pictures.push_back(pixels);
    }
}
