// The history file: where it lives, its header, the line each run adds, the
// bound of 1,000 runs, and the line lost rather than the run.
#include <gtest/gtest.h>

#include "history/RunHistory.h"
#include "tests/fakes/FakeFileSystem.h"

namespace {
// Lines "run N" for N from First to Last.
std::string Runs(int First, int Last) {
    std::string text;
    for (int i = First; i <= Last; ++i) text += "run " + std::to_string(i) + "\r\n";
    return text;
}
}  // namespace

TEST(RunHistoryTest, EachRunAddsItsLineAndTheFileKeepsTheLast1000) {
    const std::string appData = "C:\\Users\\Jeanne\\AppData\\", ours = appData + "Torvane XP\\";
    const std::string program = "C:\\Programmes\\Torvane\\", header = HistoryHeader, line = HistoryLine({});
    struct TCase {
        std::string AppData, ReadOnly;      // the application data; a folder that cannot be written
        std::optional<std::string> Before;  // the file's text
        bool Written;
        std::string Folder, After;
    };
    const TCase cases[] = {
        {appData, "", std::nullopt, true, ours, header + line},
        {appData, "", header + Runs(1, 2), true, ours, header + Runs(1, 2) + line},
        {appData, "", header + "run 1;5", true, ours, header + "run 1;5\r\n" + line},  // a line cut short
        {appData, "", header + Runs(1, 999), true, ours, header + Runs(1, 999) + line},
        {appData, "", header + Runs(1, 1000), true, ours, header + Runs(2, 1000) + line},
        {"", "", std::nullopt, true, program, header + line},  // no application data
        {appData, appData, std::nullopt, false, ours, ""},     // our folder cannot be made
        {appData, ours, header + Runs(1, 1000), false, ours, header + Runs(1, 1000)},
    };
    for (const TCase& c : cases) {
        TFakeFileSystem files;
        files.UserAppData = c.AppData;
        files.ReadOnlyFolders.insert(c.ReadOnly);
        const std::string fileName = c.Folder + "historique.csv";
        if (c.Before) files.Files[fileName] = *c.Before;
        TRunHistory history(files, HistoryFolder(files, program));
        EXPECT_EQ(history.FileName(), fileName);
        EXPECT_EQ(history.Append({}), c.Written) << c.After.size();
        EXPECT_EQ(files.Files[fileName], c.After) << c.After.size();
        EXPECT_EQ(files.Files.size(), 1u) << "nothing else is left behind";
    }
}
