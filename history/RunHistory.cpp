#include "history/RunHistory.h"

#include <optional>
#include <vector>

namespace {
// Far more than 1,000 lines take; a larger file is only appended to.
constexpr size_t MaxFileBytes = 4 << 20;

// The text's lines, each with its line end.
std::vector<std::string> Lines(const std::string& Text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < Text.size();) {
        const size_t end = Text.find('\n', start);
        const size_t next = end == std::string::npos ? Text.size() : end + 1;
        lines.push_back(Text.substr(start, next - start));
        start = next;
    }
    return lines;
}
}  // namespace

TRunHistory::TRunHistory(TFileSystem& Files, std::string Folder)
    : FFiles(Files), FFolder(std::move(Folder)), FFileName(FFolder + "historique.csv") {}

bool TRunHistory::Append(const TRunRecord& Record) {
    if (!FFiles.CreateFolder(FFolder)) return false;
    std::string line = HistoryLine(Record);
    const std::optional<std::string> text =
        FFiles.FileExists(FFileName) ? FFiles.ReadText(FFileName, MaxFileBytes) : std::string();
    if (!text) return FFiles.AppendText(FFileName, line);
    if (text->empty()) return FFiles.AppendText(FFileName, HistoryHeader + line);
    // A last line cut short (a write that failed half-way) keeps to itself.
    if (text->back() != '\n') line = "\r\n" + line;
    const std::vector<std::string> lines = Lines(*text);
    if (static_cast<int>(lines.size()) - 1 < MaxRuns) return FFiles.AppendText(FFileName, line);
    std::string kept = lines.front();
    for (size_t i = lines.size() - (MaxRuns - 1); i < lines.size(); ++i) kept += lines[i];
    return Replace(kept + line);
}

// As the news file is replaced: written whole beside the file, then moved over it.
bool TRunHistory::Replace(const std::string& Text) {
    const std::string temp = FFiles.CreateTempFile(FFolder);
    if (temp.empty()) return false;
    if (FFiles.AppendText(temp, Text) && FFiles.MoveFileOver(temp, FFileName)) return true;
    FFiles.RemoveFile(temp);
    return false;
}

std::string HistoryFolder(TFileSystem& Files, const std::string& ProgramFolder) {
    const std::string appData = Files.AppDataFolder();
    return appData.empty() ? ProgramFolder : appData + "Torvane XP\\";
}
