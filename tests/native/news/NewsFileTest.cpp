// Reading the news file: which lines count, what a heading and a link are
// made of, and the bounds on lines and links.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "news/NewsFile.h"

namespace {
// Headings with their links, as "heading{caption>link, ...}" joined by " / ".
std::string Parse(const std::string& Text) {
    std::string shown;
    for (const TNewsItem& item : ParseNews(SplitNewsLines(Text))) {
        if (!shown.empty()) shown += " / ";
        shown += item.Heading + "{";
        for (size_t i = 0; i < item.Links.size(); ++i)
            shown += (i ? ", " : "") + item.Links[i].Caption + ">" + item.Links[i].Link;
        shown += "}";
    }
    return shown;
}

struct TParseCase {
    const char* Name;
    std::string Text;
    std::string Expected;
};
}  // namespace

TEST(NewsFile, HeadingsAndLinksAreFoundByTheirKeys) {
    const std::string longLink = "   " + std::string(120, 'a') + "     " + std::string(72, 'b');
    const TParseCase cases[] = {
        {"a gap between link numbers is skipped",
         "item0=News\nsubitem0-0=Page|http://h/p.html\nsubitem0-2=Setup|http://h/setup.exe\n",
         "News{Page>http://h/p.html, Setup>http://h/setup.exe}"},
        {"an empty heading hides its links", "item0=A\nitem1=\nsubitem1-0=Hidden|http://h/\nitem2=C\n", "A{} / C{}"},
        {"a link without a bar is skipped", "item0=A\nsubitem0-0=no bar here\nsubitem0-1=Bar|http://h/\n",
         "A{Bar>http://h/}"},
        {"keys ignore letter case", "ITEM0=Upper\nSubItem0-0=Mixed|http://h/\n", "Upper{Mixed>http://h/}"},
        {"keys are not trimmed", "item0 =Spaced key\n item1=Leading blank\nitem2=Found\n", "Found{}"},
        {"the first line of a key counts",
         "item0=First\nitem0=Second\nsubitem0-0=One|http://h/1\nsubitem0-0=Two|http://h/2\n", "First{One>http://h/1}"},
        {"a heading is all after the first equals sign, untrimmed", "item0=  a=b  \n", "  a=b  {}"},
        {"caption and link are trimmed, the link is all after the first bar",
         "item0=A\nsubitem0-0=  Cap  |  http://h/x|y  \n", "A{Cap>http://h/x|y}"},
        {"a link is cut to 128 characters, then trimmed", "item0=A\nsubitem0-0=L|" + longLink + "\n",
         "A{L>" + std::string(120, 'a') + "}"},
        {"numbers run from 0 to 99 without leading zeros",
         "item99=Last\nsubitem99-99=End|http://h/e\nitem100=Out\nsubitem99-100=Out|http://h/o\nitem01=Padded\n",
         "Last{End>http://h/e}"},
        {"headings come by number, not by line", "item1=Second\nitem0=First\n", "First{} / Second{}"},
        {"other lines are ignored", "[News]\n; a comment\nitem0=A\nitem\n=orphan\n", "A{}"},
        {"lines end with CR LF, CR or LF",
         "item0=A\r\nsubitem0-0=x|http://h/1\rsubitem0-1=y|http://h/2\nsubitem0-2=z|http://h/3",
         "A{x>http://h/1, y>http://h/2, z>http://h/3}"},
        {"an empty caption and link still make a link", "item0=A\nsubitem0-0= | \n", "A{>}"},
        {"nothing", "", ""},
    };
    for (const TParseCase& c : cases) EXPECT_EQ(Parse(c.Text), c.Expected) << c.Name;
}

TEST(NewsFile, LinesAreCutTo4096Characters) {
    const std::vector<std::string> lines = SplitNewsLines(std::string(5000, 'x') + "\r\nitem0=After\r\n");
    ASSERT_EQ(lines.size(), 2u) << "the rest of a long line is dropped, not a line of its own";
    EXPECT_EQ(lines[0], std::string(4096, 'x'));
    EXPECT_EQ(lines[1], "item0=After");
    EXPECT_EQ(Parse("item0=" + std::string(5000, 'h')), std::string(4090, 'h') + "{}");
    EXPECT_EQ(SplitNewsLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
}

TEST(NewsFile, OnlyTheFirstLineTellsANotFoundPage) {
    const struct {
        const char* Text;
        bool NotFound;
    } cases[] = {
        {"<html><title>404 Not Found</title>\nitem0=x\n", true},
        {"Error404", true},
        {"item0=News\n404\n", false},
        {"item0=40 4\n", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNotFoundPage(SplitNewsLines(c.Text)), c.NotFound) << c.Text;
}
