#pragma once
// The history file, historique.csv: one line appended per run, under a
// header line written when the file is made. Past 1,000 runs the file is
// written again without its oldest lines into a temporary file that then
// replaces it. A folder or file that cannot be written loses the line,
// silently: the history never stands in the way of a run.
#include <string>

#include "history/RunRecord.h"
#include "platform/FileSystem.h"

class TRunHistory {
public:
    static constexpr int MaxRuns = 1000;

    // Folder, with its trailing separator, is made when the first line comes.
    TRunHistory(TFileSystem& Files, std::string Folder);
    const std::string& FileName() const { return FFileName; }
    // False when the line is lost.
    bool Append(const TRunRecord& Record);

private:
    bool Replace(const std::string& Text);

    TFileSystem& FFiles;
    std::string FFolder;
    std::string FFileName;
};

// The folder "Torvane XP" of the user's application data, or the program's
// own folder where the system has no application data.
std::string HistoryFolder(TFileSystem& Files, const std::string& ProgramFolder);
