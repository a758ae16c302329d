// "Update": the download into a temporary file, the local copy it replaces
// only when whole and not a "not found" page, the fallback on that copy, and
// the status texts.
#include "tests/native/news/NewsFixture.h"

#include <map>
#include <optional>

namespace {
const std::string OldNews = "item0=Old news\r\nsubitem0-0=Page|http://news.example/old.html\r\n";
const std::string NewNews = "item0=New\r\nsubitem0-0=Setup|http://news.example/setup.exe\r\n"
                            "subitem0-1=Archive|http://news.example/all.zip\r\n";
const std::string NotFoundPage = "<html><title>404 Not Found</title>\r\nitem0=Not the news\r\n";
const std::string OldTree = "Old news:0{Page:1}";
const std::string NewTree = "New:0{Setup:3, Archive:2}";

class NewsRefreshTest : public NewsFixture {};
}  // namespace

TEST_F(NewsRefreshTest, EveryOutcomeHasItsStatusTreeAndLocalCopy) {
    using D = TFakeDownloadApi;
    const std::string tooLarge = NewNews + std::string(1024 * 1024, ' ');
    const std::string largest = NewNews + std::string(1024 * 1024 - NewNews.size(), ' ');
    const struct {
        const char* Name;
        std::optional<std::string> Before;  // the local copy before
        D::TOutcome Outcome;
        std::string Body;
        const char* Status;
        std::string Tree;
        std::optional<std::string> After;
    } cases[] = {
        {"downloaded, no copy", std::nullopt, D::doComplete, NewNews, "", NewTree, NewNews},
        {"downloaded over a copy", OldNews, D::doComplete, NewNews, "", NewTree, NewNews},
        {"failed, no copy", std::nullopt, D::doFail, "", "Connection error, request aborted", "", std::nullopt},
        {"failed, copy", OldNews, D::doFail, "", "Connection error, using previous update", OldTree, OldNews},
        {"broken off, copy", OldNews, D::doPartial, NewNews, "Connection error, using previous update", OldTree, OldNews},
        {"broken off, no copy", std::nullopt, D::doPartial, NewNews, "Connection error, request aborted", "", std::nullopt},
        {"raised, no copy", std::nullopt, D::doRaise, "", "Connection error, request aborted", "", std::nullopt},
        {"not found page, no copy", std::nullopt, D::doComplete, NotFoundPage,
         "Remote server \"Not Found\" error, request aborted", "", std::nullopt},
        {"not found page, copy", OldNews, D::doComplete, NotFoundPage,
         "Remote server \"Not Found\" error, using previous update", OldTree, OldNews},
        {"over 1 MB, copy", OldNews, D::doComplete, tooLarge, "Connection error, using previous update", OldTree, OldNews},
        {"exactly 1 MB", OldNews, D::doComplete, largest, "", NewTree, largest},
        {"empty file", OldNews, D::doComplete, "", "", "", ""},
    };
    for (const auto& c : cases) {
        Files.Files.clear();
        if (c.Before) Files.Files[Copy] = *c.Before;
        Serve(c.Body, c.Outcome);
        Update();
        EXPECT_EQ(Status(), c.Status) << c.Name;
        EXPECT_EQ(Tree(), c.Tree) << c.Name;
        std::map<std::string, std::string> left;
        if (c.After) left[Copy] = *c.After;
        EXPECT_EQ(Files.Files, left) << c.Name << ": nothing else is left behind";
        EXPECT_EQ(Network.Calls.back().URL, URL);
        EXPECT_NE(Network.Calls.back().FileName, Copy) << c.Name << ": the download goes to a file of its own";
    }
}

TEST_F(NewsRefreshTest, TheWindowWaitsWithTheHourglassAndTheAddressWhileDownloading) {
    Files.Files[Copy] = OldNews;
    Serve(NewNews);
    Update();
    std::vector<std::string> seen;
    Network.During = [&] {
        seen.push_back(Status() + " | " + Tree() + " | " +
                       std::to_string(Dialog.Cursor() == crHourGlass && Dialog.tvDirect->Cursor() == crHourGlass));
        Update();  // a second click meanwhile does nothing
    };
    Serve("", TFakeDownloadApi::doFail);
    Update();
    EXPECT_EQ(seen, std::vector<std::string>{"Connecting to: http://news.example/feed/NewsFeed.inf |  | 1"});
    EXPECT_EQ(Network.Calls.size(), 2u);
    EXPECT_EQ(Dialog.Cursor(), crDefault);
    EXPECT_EQ(Dialog.tvDirect->Cursor(), crDefault);
    EXPECT_EQ(Status(), "Connection error, using previous update");
    EXPECT_EQ(Tree(), NewTree);
    Network.During = nullptr;
    Update();
    EXPECT_EQ(Network.Calls.size(), 3u) << "the refresh is possible again once done";
}

TEST_F(NewsRefreshTest, AnUnwritableProgramFolderKeepsTheCopyInTheTemporaryFolder) {
    Files.ReadOnlyFolders = {"C:\\Torvane\\"};
    Files.Files[Copy] = OldNews;  // left from an installation that could write there
    Serve(NewNews);
    Update();
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Files.Files, (std::map<std::string, std::string>{{Copy, OldNews}, {TempCopy, NewNews}}));
    EXPECT_EQ(Network.Calls.back().FileName.rfind("C:\\Temp\\", 0), 0u);

    Serve("", TFakeDownloadApi::doFail);
    Update();
    EXPECT_EQ(Status(), "Connection error, using previous update");
    EXPECT_EQ(Tree(), NewTree) << "the fallback is the temporary folder's copy";

    Files.ReadOnlyFolders.insert("C:\\Temp\\");
    Serve(NewNews);
    Update();
    EXPECT_EQ(Network.Calls.size(), 2u) << "with nowhere to write, nothing is downloaded";
    EXPECT_EQ(Status(), "Connection error, using previous update");
    EXPECT_EQ(Tree(), OldTree);
}

TEST_F(NewsRefreshTest, TheCopyIsNamedAfterTheAddress) {
    Feed->SetURL("http://news.example/a/news.txt");
    Feed->ShowNews();
    Network.Answers["http://news.example/a/news.txt"] = {TFakeDownloadApi::doComplete, NewNews};
    Update();
    EXPECT_EQ(Files.Files, (std::map<std::string, std::string>{{"C:\\Torvane\\news.txt", NewNews}}));
}
