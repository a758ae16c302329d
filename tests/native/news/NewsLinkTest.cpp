// Links: which of them the shell may open, the picture each gets, and the
// news file's address from the settings.
#include <gtest/gtest.h>

#include <string>

#include "news/NewsFetch.h"
#include "news/NewsLink.h"

TEST(NewsLink, OnlyWebFileTransferAndMailAddressesAreOpened) {
    const struct {
        const char* Link;
        const char* Opened;  // empty: refused
    } cases[] = {
        {"http://torvane.example/", "http://torvane.example/"},
        {"HTTPS://torvane.example/a", "HTTPS://torvane.example/a"},
        {"Ftp://files.example/pub/x.zip", "Ftp://files.example/pub/x.zip"},
        {"mailto:author@torvane.example", "mailto:author@torvane.example"},
        {"http://torvane.example/files/setup.exe", "http://torvane.example/files/setup.exe"},
        {"www.torvane.example", "http://www.torvane.example"},
        {"WWW.Torvane.example/x", "http://WWW.Torvane.example/x"},
        {"file:///C:/Windows/notepad.exe", ""},
        {"\\\\server\\share\\setup.exe", ""},
        {"C:\\Windows\\notepad.exe", ""},
        {"notepad", ""},
        {"javascript:alert(1)", ""},
        {"shell:startup", ""},
        {"httpx://torvane.example/", ""},
        {"wwwtorvane.example", ""},
        {"", ""},
        {"http://torvane.example/\" --evil", ""},
        {"http://torvane.example/\ta", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeLink(c.Link), c.Opened) << c.Link;
}

TEST(NewsLink, TheExtensionAfterTheLastDotChoosesThePicture) {
    const struct {
        const char* Link;
        TNewsImage Image;
    } cases[] = {
        {"http://h/setup.exe", niExeLink}, {"http://h/a.zip", niZipLink}, {"http://h/A.ZIP", niLink},
        {"http://h/a.Exe", niLink},        {"http://h/zip", niLink},      {"http://h/a.zip.txt", niLink},
        {"http://h/dir.exe/", niLink},     {".zip", niLink},              {"", niLink},
    };
    for (const auto& c : cases) EXPECT_EQ(LinkImage(c.Link), c.Image) << c.Link;
}

TEST(NewsLink, TheLocalCopyIsNamedAfterTheAddressesLastPart) {
    const struct {
        const char* URL;
        const char* Name;
    } cases[] = {
        {"http://torvane.example/NewsFeed.inf", "NewsFeed.inf"},
        {"http://news.example/a/b/news.txt", "news.txt"},
        {"http://news.example/", "NewsFeed.inf"},
        {"http://news.example/..", "NewsFeed.inf"},
        {"http://news.example/a\\..\\b.inf", "b.inf"},
        {"http://news.example/get?file=news", "NewsFeed.inf"},
        {"NewsFeed.txt", "NewsFeed.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(NewsFileName(c.URL), c.Name) << c.URL;
    EXPECT_EQ(FolderOf("C:\\Program Files\\Torvane XP\\TorvaneXP.exe"), "C:\\Program Files\\Torvane XP\\");
    EXPECT_EQ(FolderOf("TorvaneXP.exe"), "");
}
