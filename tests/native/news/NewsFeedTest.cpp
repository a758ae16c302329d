// The news feed and its window: showing without fetching, the window's
// controls and pictures, and the clicks on the tree's nodes, reported
// through the hidden window and opened with the shell when safe.
#include "tests/native/news/NewsFixture.h"

#include <cstdlib>

#include "core/FileBytes.h"

namespace {
class NewsFeedTest : public NewsFixture {
protected:
    // The sample news file of the test data, served at the feed's address.
    void ServeSample() {
        const char* root = std::getenv("TORVANE_SOURCE_DIR");
        auto bytes = ReadFileBytes(std::string(root ? root : ".") + "/tests/data/news/NewsFeed.inf");
        ASSERT_TRUE(bytes);
        Serve(std::string(bytes->begin(), bytes->end()));
        Update();
        ASSERT_EQ(Status(), "");
    }
    std::vector<std::string> Selected;
    void Watch() {
        Feed->OnURLSelected = TURLSelectedEvent([this](TObject* Sender, const std::string& Link) {
            EXPECT_EQ(Sender, Feed);
            Selected.push_back(Link);
        });
    }
};

// Records the components whose end it was told of, in order.
class TEndWatcher : public TComponent {
public:
    TEndWatcher() : TComponent(nullptr) {}
    std::vector<TComponent*> Ended;

protected:
    void Notification(TComponent* AComponent) override { Ended.push_back(AComponent); }
};
}  // namespace

TEST_F(NewsFeedTest, ShowingShowsTheLastRefreshWithAnEmptyStatusAndFetchesNothing) {
    EXPECT_TRUE(Dialog.Visible());
    EXPECT_EQ(Dialog.URL, URL);
    EXPECT_EQ(Tree(), "");
    EXPECT_TRUE(Network.Calls.empty());
    Files.Files[Copy] = "item0=Kept\r\n";
    Update();
    EXPECT_EQ(Status(), "Connection error, using previous update");
    Dialog.Close();
    EXPECT_FALSE(Dialog.Visible());
    Feed->ShowNews();
    EXPECT_TRUE(Dialog.Visible());
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Tree(), "Kept:0{}");
    EXPECT_EQ(Network.Calls.size(), 1u);
    EXPECT_EQ(Desktop.Foreground.back(), Dialog.Handle());
    Feed->SetTitle("Torvane XP News");
    EXPECT_EQ(Dialog.Caption(), "Torvane XP News");
    EXPECT_EQ(Feed->Title(), "Torvane XP News");
}

TEST_F(NewsFeedTest, TheTreeFillsTheWindowBetweenTheStripAndTheStatusBar) {
    EXPECT_EQ(Dialog.BoundsRect().Width(), 470) << "the outer size, once the window exists";
    EXPECT_EQ(Dialog.BoundsRect().Height(), 310);
    EXPECT_EQ(Dialog.MinWidth(), 470);
    EXPECT_EQ(Dialog.MinHeight(), 310);
    EXPECT_EQ(Dialog.btnUpdate->Parent(), Dialog.Panel1);
    Dialog.ClientSizeFromWindow(600, 400);  // the user made it larger
    EXPECT_EQ(Dialog.Panel1->BoundsRect(), Bounds(0, 0, 600, 21));
    EXPECT_EQ(Dialog.StatusBar->BoundsRect().Bottom, 400);
    EXPECT_EQ(Dialog.tvDirect->BoundsRect(), TRect(0, 21, 600, Dialog.StatusBar->Top()));
    EXPECT_EQ(Dialog.btnUpdate->BoundsRect(), Bounds(7, 2, 72, 18));
}

TEST_F(NewsFeedTest, TheTreesPicturesAndTheButtonsAreDrawnOverTransparentCorners) {
    ASSERT_EQ(Dialog.ImageList1->Count(), 4);
    ASSERT_EQ(Dialog.btnUpdate->Glyph().Count(), 1);
    for (TImageList* list : {Dialog.ImageList1, &Dialog.btnUpdate->Glyph()}) {
        for (int i = 0; i < list->Count(); ++i) {
            int opaque = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) opaque += !list->IsTransparent(i, x, y);
            EXPECT_TRUE(list->IsTransparent(i, 0, 0)) << i;
            EXPECT_TRUE(list->IsTransparent(i, 15, 0)) << i;
            EXPECT_GT(opaque, 60) << i;
        }
    }
}

TEST_F(NewsFeedTest, TheSampleFileGivesItsHeadingsWithTheirLinksPictures) {
    ServeSample();
    EXPECT_EQ(Tree(), "Torvane XP 3.1.1 is out:0{What's new:1, Télécharger (zip):2, Setup program:3} / "
                      "Contact:0{Write to the author:1, Mirror:1, Local tool:3}");
    EXPECT_EQ(Dialog.Links.size(), 6u);
}

TEST_F(NewsFeedTest, ALinkClickOpensItOnceAndClearsTheSelection) {
    Watch();
    ServeSample();
    for (int round = 1; round <= 2; ++round) {
        ClickNode(Node(0, 2));
        ASSERT_EQ(Shell.Executed.size(), static_cast<size_t>(round)) << "the same link opens again";
        const TFakeShell::TExecute& done = Shell.Executed.back();
        EXPECT_EQ(done.Owner, Dialog.Handle());
        EXPECT_EQ(done.Operation, "open");
        EXPECT_EQ(done.File, "http://torvane.example/files/setup.exe");
        EXPECT_EQ(done.Parameters, "");
        EXPECT_EQ(done.Directory, "");
        EXPECT_EQ(done.ShowCommand, 5);
        EXPECT_EQ(Dialog.tvDirect->Selected(), nullptr);
    }
    EXPECT_EQ(Selected, (std::vector<std::string>{"http://torvane.example/files/setup.exe",
                                                  "http://torvane.example/files/setup.exe"}));
    ASSERT_FALSE(Desktop.Sent.empty());
    EXPECT_EQ(Desktop.Sent.back().Wnd, Feed->NotifyWindow()->Handle());
    EXPECT_EQ(Desktop.Sent.back().Msg, 1025u);

    ClickNode(Node(1, 1));
    EXPECT_EQ(Shell.Executed.back().File, "http://www.torvane.example");
    EXPECT_EQ(Selected.back(), "www.torvane.example") << "the event has the link as the file gives it";
}

TEST_F(NewsFeedTest, AHeadingClickDoesNothing) {
    Watch();
    ServeSample();
    ClickNode(Node(1));
    EXPECT_TRUE(Shell.Executed.empty());
    EXPECT_TRUE(Selected.empty());
    EXPECT_TRUE(Desktop.Sent.empty());
    EXPECT_EQ(Dialog.tvDirect->Selected(), Node(1));
    EXPECT_EQ(Status(), "");
}

TEST_F(NewsFeedTest, ALocalLinkIsRefusedWithItsStatus) {
    Watch();
    ServeSample();
    ClickNode(Node(1, 2));
    EXPECT_TRUE(Shell.Executed.empty());
    EXPECT_EQ(Status(), "Lien refusé : C:\\Windows\\notepad.exe");
    EXPECT_EQ(Status()[10], '\xE9') << "in the ANSI code page";
    EXPECT_EQ(Dialog.tvDirect->Selected(), nullptr);
    EXPECT_EQ(Selected, std::vector<std::string>{"C:\\Windows\\notepad.exe"});
}

TEST_F(NewsFeedTest, ALinkNodeWithAnEmptyLinkDoesNothing) {
    Serve("item0=A\r\nsubitem0-0=Nowhere|   \r\n");
    Update();
    ClickNode(Node(0, 0));
    EXPECT_TRUE(Shell.Executed.empty());
    EXPECT_TRUE(Desktop.Sent.empty());
}

TEST_F(NewsFeedTest, TheHiddenWindowAnswersTheMessageWithTheSelectedLink) {
    Watch();
    ServeSample();
    TNewsNotifyWindow* hidden = Feed->NotifyWindow();
    ASSERT_NE(hidden->Handle(), nullptr) << "a window from the start, though never shown";
    EXPECT_FALSE(hidden->Visible());
    Dialog.tvDirect->SetSelected(Node(0, 0));
    Desktop.SendToWindow(hidden->Handle(), 1025, 0, 0);
    Desktop.SendToWindow(hidden->Handle(), 1026, 0, 0);
    EXPECT_EQ(Selected, std::vector<std::string>{"http://torvane.example/news/3.1.1.html"});
    Feed->OnURLSelected = {};
    Desktop.SendToWindow(hidden->Handle(), 1025, 0, 0);  // unassigned: skipped
    EXPECT_EQ(Selected.size(), 1u);
}

TEST_F(NewsFeedTest, TheHiddenWindowGoesFirstThenTheNewsWindow) {
    TEndWatcher watcher;
    watcher.FreeNotification(Feed->NotifyWindow());
    watcher.FreeNotification(Feed->Dialog());
    const std::vector<TComponent*> expected{Feed->NotifyWindow(), Feed->Dialog()};
    delete Feed;
    EXPECT_EQ(watcher.Ended, expected);
    EXPECT_EQ(Owner->ComponentCount(), 0);
}
