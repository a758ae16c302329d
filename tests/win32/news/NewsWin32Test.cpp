// The news feed on the real system: downloads with URLDownloadToFileA from a
// local web server (see news_server.py), the fallback on the local copy, the
// window's tree read from outside as a screen reader would, its smallest
// size, and the links' clicks, which reach a recording shell.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/FileBytes.h"
#include "news/NewsFeed.h"
#include "news/NewsNotifyWindow.h"
#include "platform/win32/Win32DownloadApi.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessageQueue.h"
#include "platform/win32/Win32WindowSystem.h"
#include "news/NewsDialog.h"
#include "tests/fakes/FileResources.h"
#include "tests/win32/framework/KeyInput.h"
#include "tests/win32/framework/WindowQueries.h"
#include "ui/Application.h"

namespace {

// Opens nothing: records what it is asked to open.
class TRecordingShell : public TShell {
public:
    std::vector<std::string> Opened;  // "owner operation file show"
    void* Owner = nullptr;
    bool NotifyIcon(uint32_t, const TNotifyIconRecord&) override { return false; }
    size_t TipLength() override { return 127; }
    void AddTrayListener(uint32_t, TTrayListener&) override {}
    void RemoveTrayListener(uint32_t) override {}
    uint32_t TaskbarCreatedMessage() override { return 0; }
    void Execute(void* Wnd, const std::string& Operation, const std::string& File, const std::string& Parameters,
                 const std::string& Directory, int ShowCommand) override {
        Owner = Wnd;
        Opened.push_back(Operation + " " + File + " [" + Parameters + "][" + Directory + "] " + std::to_string(ShowCommand));
    }
};

std::string FileText(const std::string& Name) {
    auto bytes = ReadFileBytes(Name);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("(none)");
}

// What the server fixture wrote: its port, or the port where nothing listens.
std::string ServerValue(const char* Name) {
    const char* state = std::getenv("TORVANE_NEWS_SERVER");
    std::ifstream file(std::string(state ? state : ".") + "/" + Name);
    std::string value;
    file >> value;
    return value;
}

LRESULT Ask(void* Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
    return SendMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
}

void Pump() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

// A left click at (X, Y) of the window's client area; the release waits in
// the queue, where the common controls look for it.
void Click(void* Wnd, int X, int Y) {
    PostMessageA(static_cast<HWND>(Wnd), WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
    Ask(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
    Pump();
}

class NewsOnWindows : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        ASSERT_FALSE(ServerValue("port").empty()) << "the news server fixture did not run";
        Folder = Files.TempFolder() + "torvane-news-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(Folder.c_str(), nullptr);
    }
    void TearDown() override {
        delete Feed;
        Feed = nullptr;
        DeleteFileA(Copy().c_str());
        RemoveDirectoryA(Folder.c_str());
    }
    void MakeFeed(const std::string& ExeName) {
        Feed = new TNewsFeed(nullptr, App, {Shell, Download, Files, Resources, ExeName});
        Feed->SetTitle("Torvane XP News");
    }
    std::string Copy() const { return Folder + "NewsFeed.inf"; }
    static std::string Address(const std::string& Path, const char* Port = "port") {
        return "http://127.0.0.1:" + ServerValue(Port) + Path;
    }
    // Shows the window for Address and presses "Update" on it.
    void UpdateFrom(const std::string& URL) {
        Feed->SetURL(URL);
        Feed->ShowNews();
        void* button = Feed->Dialog()->btnUpdate->Handle();
        ASSERT_EQ(TextOf(button), "Update");
        Click(button, 5, 5);
    }
    static std::string TextOf(void* Wnd) {
        char text[256] = {};
        GetWindowTextA(static_cast<HWND>(Wnd), text, sizeof text);
        return text;
    }
    std::string Status() const {
        char text[256] = {};
        Ask(Feed->Dialog()->StatusBar->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void* TreeWnd() const { return Feed->Dialog()->tvDirect->Handle(); }
    HTREEITEM Next(HTREEITEM Item, WPARAM How) const {
        return reinterpret_cast<HTREEITEM>(Ask(TreeWnd(), TVM_GETNEXTITEM, How, reinterpret_cast<LPARAM>(Item)));
    }
    std::string Row(HTREEITEM Item) const {
        char text[128] = {};
        TVITEMA info{};
        info.mask = TVIF_TEXT | TVIF_IMAGE;
        info.hItem = Item;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        Ask(TreeWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        return std::string(text) + ":" + std::to_string(info.iImage);
    }
    // The rows as "heading:image{link:image, ...}" joined by " / ".
    std::string Tree() const {
        std::string shown;
        for (HTREEITEM heading = Next(nullptr, TVGN_ROOT); heading; heading = Next(heading, TVGN_NEXT)) {
            shown += (shown.empty() ? "" : " / ") + Row(heading) + "{";
            for (HTREEITEM link = Next(heading, TVGN_CHILD); link; link = Next(link, TVGN_NEXT))
                shown += (shown.back() == '{' ? "" : ", ") + Row(link);
            shown += "}";
        }
        return shown;
    }
    // Expands the heading and clicks on its link's text.
    void ClickLink(int Heading, int Link) {
        HTREEITEM item = Next(nullptr, TVGN_ROOT);
        for (int i = 0; i < Heading; ++i) item = Next(item, TVGN_NEXT);
        Ask(TreeWnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        item = Next(item, TVGN_CHILD);
        for (int i = 0; i < Link; ++i) item = Next(item, TVGN_NEXT);
        RECT r{};
        std::memcpy(&r, &item, sizeof item);  // the item in, its rectangle out
        ASSERT_TRUE(Ask(TreeWnd(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
        Click(TreeWnd(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // The files of the folder, but the copy.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> found;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((Folder + "*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return found;
        do {
            const std::string name = data.cFileName;
            if (name != "." && name != ".." && name != "NewsFeed.inf") found.push_back(name);
        } while (FindNextFileA(find, &data));
        FindClose(find);
        return found;
    }

    const std::string Sample = "Torvane XP 3.1.1 is out:0{What's new:1, Télécharger (zip):2, Setup program:3} / "
                               "Contact:0{Write to the author:1, Mirror:1, Local tool:3}";
    std::string Folder;
    TWin32MessageQueue Queue;
    TWin32WindowSystem Windows;
    TRecordingShell Shell;
    TWin32DownloadApi Download;
    TWin32FileSystem Files;
    TFileResources Resources;
    TApplication App{Queue, Windows};
    TNewsFeed* Feed = nullptr;
};

}  // namespace

TEST_F(NewsOnWindows, DownloadsTheNewsFileAndShowsItsTreeToOtherPrograms) {
    MakeFeed(Folder + "TorvaneXP.exe");
    UpdateFrom(Address("/NewsFeed.inf"));
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Tree(), Sample);
    const char* root = std::getenv("TORVANE_SOURCE_DIR");
    EXPECT_EQ(FileText(Copy()), FileText(std::string(root ? root : ".") + "/tests/data/news/NewsFeed.inf"));
    EXPECT_THAT(Leftovers(), ::testing::IsEmpty());
    auto images = reinterpret_cast<HIMAGELIST>(Ask(TreeWnd(), TVM_GETIMAGELIST, TVSIL_NORMAL));
    EXPECT_EQ(ImageList_GetImageCount(images), 4);
}

TEST_F(NewsOnWindows, ANotFoundAnswerKeepsThePreviousCopy) {
    MakeFeed(Folder + "TorvaneXP.exe");
    UpdateFrom(Address("/NewsFeed.inf"));
    const std::string good = FileText(Copy());
    UpdateFrom(Address("/notfound/NewsFeed.inf"));  // a page of its own whose first line says 404
    EXPECT_EQ(Status(), "Remote server \"Not Found\" error, using previous update");
    EXPECT_EQ(Tree(), Sample);
    EXPECT_EQ(FileText(Copy()), good);
    UpdateFrom(Address("/missing/NewsFeed.inf"));  // the server's own 404
    EXPECT_THAT(Status(), ::testing::EndsWith(", using previous update"));
    EXPECT_EQ(Tree(), Sample);
    EXPECT_EQ(FileText(Copy()), good);
    EXPECT_THAT(Leftovers(), ::testing::IsEmpty());
}

TEST_F(NewsOnWindows, AServerThatIsDownFallsBackOnTheCopy) {
    MakeFeed(Folder + "TorvaneXP.exe");
    UpdateFrom(Address("/NewsFeed.inf", "dead-port"));
    EXPECT_EQ(Status(), "Connection error, request aborted");
    EXPECT_EQ(Tree(), "");
    UpdateFrom(Address("/NewsFeed.inf"));
    UpdateFrom(Address("/NewsFeed.inf", "dead-port"));
    EXPECT_EQ(Status(), "Connection error, using previous update");
    EXPECT_EQ(Tree(), Sample);
    EXPECT_THAT(Leftovers(), ::testing::IsEmpty());
}

TEST_F(NewsOnWindows, AProgramFolderThatCannotBeWrittenLeavesTheCopyInTheTemporaryFolder) {
    const std::string temporaryCopy = Files.TempFolder() + "NewsFeed.inf";
    DeleteFileA(temporaryCopy.c_str());
    MakeFeed(Folder + "missing\\TorvaneXP.exe");
    UpdateFrom(Address("/NewsFeed.inf"));
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(Files.FileExists(temporaryCopy));
    UpdateFrom(Address("/NewsFeed.inf", "dead-port"));
    EXPECT_EQ(Status(), "Connection error, using previous update");
    EXPECT_EQ(Tree(), Sample);
    EXPECT_TRUE(DeleteFileA(temporaryCopy.c_str()));
}

TEST_F(NewsOnWindows, TheWindowIsAToolWindowNeverSmallerThan470By310) {
    MakeFeed(Folder + "TorvaneXP.exe");
    Feed->ShowNews();
    auto wnd = static_cast<HWND>(Feed->Dialog()->Handle());
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(TextOf(wnd), "Torvane XP News");
    EXPECT_NE(GetWindowLongA(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(GetWindowLongA(wnd, GWL_STYLE) & WS_THICKFRAME, 0);
    auto size = [&] {
        RECT r;
        GetWindowRect(wnd, &r);
        return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
    };
    EXPECT_EQ(size(), "470x310");
    SetWindowPos(wnd, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(size(), "470x310");
    SetWindowPos(wnd, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(size(), "640x480");
    RECT tree;
    GetWindowRect(static_cast<HWND>(TreeWnd()), &tree);
    EXPECT_GT(tree.right - tree.left, 600) << "the tree follows the window";
}

TEST_F(NewsOnWindows, ALinkClickGoesToTheShellAndTheHiddenWindow) {
    MakeFeed(Folder + "TorvaneXP.exe");
    std::vector<std::string> selected;
    Feed->OnURLSelected = TURLSelectedEvent([&](TObject*, const std::string& Link) { selected.push_back(Link); });
    UpdateFrom(Address("/NewsFeed.inf"));
    ClickLink(0, 2);
    EXPECT_EQ(Shell.Opened, std::vector<std::string>{"open http://torvane.example/files/setup.exe [][] 5"});
    EXPECT_EQ(Shell.Owner, Feed->Dialog()->Handle());
    EXPECT_EQ(Next(nullptr, TVGN_CARET), nullptr) << "the selection is cleared";
    EXPECT_EQ(selected, std::vector<std::string>{"http://torvane.example/files/setup.exe"});

    ClickLink(1, 2);
    EXPECT_EQ(Shell.Opened.size(), 1u) << "a local program is never opened";
    EXPECT_EQ(Status(), "Lien refusé : C:\\Windows\\notepad.exe");

    auto hidden = static_cast<HWND>(Feed->NotifyWindow()->Handle());
    ASSERT_TRUE(IsWindow(hidden));
    EXPECT_FALSE(IsWindowVisible(hidden));
    HTREEITEM mail = Next(Next(nullptr, TVGN_ROOT), TVGN_NEXT);
    Ask(TreeWnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Next(mail, TVGN_CHILD)));
    SendMessageA(hidden, WM_USER + 1, 0, 0);
    EXPECT_EQ(selected.back(), "mailto:author@torvane.example");
}

// "Update" worked from the keyboard alone, with real key input: Tab reaches
// it and then the tree, round; the space bar and Enter press it, as
// another program's BM_CLICK does.
TEST_F(NewsOnWindows, UpdateIsAButtonThatTabReachesAndTheKeysPress) {
    MakeFeed(Folder + "TorvaneXP.exe");
    Feed->SetURL(Address("/NewsFeed.inf"));
    Feed->ShowNews();
    TNewsDialog* dialog = Feed->Dialog();
    void* update = dialog->btnUpdate->Handle();
    ASSERT_EQ(ClassOf(update), "Button");
    SetForegroundWindow(static_cast<HWND>(dialog->Handle()));
    SetFocus(static_cast<HWND>(dialog->Handle()));
    PumpInput();
    auto state = [&] {
        void* focus = GetFocus();
        const std::string where = focus == update ? "Update" : focus == TreeWnd() ? "tree" : "elsewhere";
        return where + " " + std::to_string(Ask(TreeWnd(), TVM_GETCOUNT)) + " nodes";
    };
    const struct {
        const char* Name;
        std::function<void()> Act;
        const char* State;
    } steps[] = {
        {"tab", [] { PressKey(VK_TAB); }, "Update 0 nodes"},
        {"space bar", [] { PressKey(VK_SPACE); }, "Update 8 nodes"},
        {"tab", [] { PressKey(VK_TAB); }, "tree 8 nodes"},
        {"tab, round", [] { PressKey(VK_TAB); }, "Update 8 nodes"},
        {"shift+tab, round", [] { PressKey(VK_TAB, {VK_SHIFT}); }, "tree 8 nodes"},
        {"shift+tab", [] { PressKey(VK_TAB, {VK_SHIFT}); }, "Update 8 nodes"},
        {"another file, then Enter", [&] { Feed->Dialog()->URL = Address("/notfound/NewsFeed.inf"); PressKey(VK_RETURN); },
         "Update 8 nodes"},
    };
    for (const auto& step : steps) {
        step.Act();
        EXPECT_EQ(state(), step.State) << step.Name;
    }
    EXPECT_EQ(Status(), "Remote server \"Not Found\" error, using previous update") << "Enter pressed it";
    dialog->tvDirect->Clear();
    Ask(update, BM_CLICK);
    PumpInput();
    EXPECT_EQ(Ask(TreeWnd(), TVM_GETCOUNT), 8) << "BM_CLICK pressed it";
}
