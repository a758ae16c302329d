// The history file: where it lives, its header, the line each run adds, the
// bound of 1,000 runs, and the lines that are lost rather than the run.
#include <gtest/gtest.h>

#include "history/RunHistory.h"
#include "tests/fakes/FakeFileSystem.h"

namespace {
const std::string AppData = "C:\\Users\\Jeanne\\AppData\\";
const std::string Ours = AppData + "Torvane XP\\";
const std::string ProgramFolder = "C:\\Programmes\\Torvane\\";

// Lines "run N" for N from First to Last.
std::string Runs(int First, int Last) {
    std::string text;
    for (int i = First; i <= Last; ++i) text += "run " + std::to_string(i) + "\r\n";
    return text;
}
}  // namespace

TEST(RunHistoryTest, EachRunAddsItsLineAndTheFileKeepsTheLast1000) {
    TRunRecord run;
    run.Method = "Tout";
    const std::string line = HistoryLine(run);
    const std::string header = HistoryHeader;
    struct TCase {
        const char* Name;
        std::string AppDataFolder;
        std::string ReadOnly;              // a folder that cannot be written
        std::optional<std::string> Before;  // the file's text, if any
        bool Written;
        std::string File;   // where it is
        std::string After;  // its text then
    };
    const TCase cases[] = {
        {"a first run", AppData, "", std::nullopt, true, Ours + "historique.csv", header + line},
        {"the next run", AppData, "", header + Runs(1, 2), true, Ours + "historique.csv", header + Runs(1, 2) + line},
        {"an empty file", AppData, "", "", true, Ours + "historique.csv", header + line},
        {"a last line cut short", AppData, "", header + "run 1;5", true, Ours + "historique.csv",
         header + "run 1;5\r\n" + line},
        {"999 runs", AppData, "", header + Runs(1, 999), true, Ours + "historique.csv", header + Runs(1, 999) + line},
        {"1,000 runs", AppData, "", header + Runs(1, 1000), true, Ours + "historique.csv", header + Runs(2, 1000) + line},
        {"1,003 runs", AppData, "", header + Runs(1, 1003), true, Ours + "historique.csv", header + Runs(5, 1003) + line},
        {"no application data", "", "", std::nullopt, true, ProgramFolder + "historique.csv", header + line},
        {"a folder that cannot be made", AppData, AppData, std::nullopt, false, Ours + "historique.csv", ""},
        {"a folder that cannot be written", AppData, Ours, header, false, Ours + "historique.csv", header},
        {"1,000 runs in a folder that cannot be written", AppData, Ours, header + Runs(1, 1000), false,
         Ours + "historique.csv", header + Runs(1, 1000)},
    };
    for (const TCase& c : cases) {
        TFakeFileSystem files;
        files.UserAppData = c.AppDataFolder;
        if (!c.ReadOnly.empty()) files.ReadOnlyFolders.insert(c.ReadOnly);
        if (c.Before) files.Files[c.File] = *c.Before;
        TRunHistory history(files, HistoryFolder(files, ProgramFolder));
        EXPECT_EQ(history.FileName(), c.File) << c.Name;
        EXPECT_EQ(history.Append(run), c.Written) << c.Name;
        EXPECT_EQ(files.Files[c.File], c.After) << c.Name;
        EXPECT_EQ(files.Files.size(), 1u) << c.Name << ": nothing else is left behind";
    }
}
