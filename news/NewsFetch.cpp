#include "news/NewsFetch.h"

#include <optional>

#include "news/NewsFile.h"

namespace {

const char* const ConnectionErrorAborted = "Connection error, request aborted";
const char* const ConnectionErrorPrevious = "Connection error, using previous update";
const char* const NotFoundAborted = "Remote server \"Not Found\" error, request aborted";
const char* const NotFoundPrevious = "Remote server \"Not Found\" error, using previous update";
const char* const Connecting = "Connecting to: ";

// Where the local copy is, and the new file that the download goes to
// (none when neither folder can be written).
struct TNewsPlace {
    std::string Copy;
    std::string Download;
};

TNewsPlace ChoosePlace(TFileSystem& Files, const std::string& URL, const std::string& ProgramFolder) {
    const std::string name = NewsFileName(URL);
    for (const std::string& folder : {ProgramFolder, Files.TempFolder()}) {
        if (folder.empty()) continue;
        if (std::string temp = Files.CreateTempFile(folder); !temp.empty()) return {folder + name, temp};
    }
    return {ProgramFolder + name, {}};
}

// Whatever the downloader raises is a failed download.
bool Download(TDownloadApi& Api, const std::string& URL, const std::string& FileName) {
    try {
        return Api.DownloadToFile(URL, FileName);
    } catch (...) {
        return false;
    }
}

std::vector<std::string> ReadNews(TFileSystem& Files, const std::string& FileName) {
    const std::optional<std::string> text = Files.ReadText(FileName, NewsFileMaxBytes);
    return text ? SplitNewsLines(*text) : std::vector<std::string>{};
}

}  // namespace

std::string NewsFileName(std::string_view URL) {
    const std::string_view name = URL.substr(URL.find_last_of("/\\") + 1);
    if (name.empty() || name == "." || name == ".." || name.find_first_of(":*?\"<>|") != std::string_view::npos)
        return "NewsFeed.inf";
    return std::string(name);
}

std::string FolderOf(std::string_view Path) {
    const size_t separator = Path.find_last_of("/\\:");
    return separator == std::string_view::npos ? std::string() : std::string(Path.substr(0, separator + 1));
}

TNewsFetch FetchNews(TFileSystem& Files, TDownloadApi& Api, const std::string& URL, const std::string& ProgramFolder,
                     const TNewsWaiting& Waiting) {
    const TNewsPlace place = ChoosePlace(Files, URL, ProgramFolder);
    const bool hadCopy = Files.FileExists(place.Copy);
    Waiting(true, Connecting + URL);
    const bool fetched = !place.Download.empty() && Download(Api, URL, place.Download);
    Waiting(false, "");
    const std::optional<std::string> text =
        fetched ? Files.ReadText(place.Download, NewsFileMaxBytes) : std::optional<std::string>();
    if (text) {
        std::vector<std::string> lines = SplitNewsLines(*text);
        if (!IsNotFoundPage(lines)) {
            if (!Files.MoveFileOver(place.Download, place.Copy)) Files.RemoveFile(place.Download);
            return {std::move(lines), ""};
        }
    }
    if (!place.Download.empty()) Files.RemoveFile(place.Download);
    const bool notFound = text.has_value();
    if (!hadCopy) return {{}, notFound ? NotFoundAborted : ConnectionErrorAborted};
    return {ReadNews(Files, place.Copy), notFound ? NotFoundPrevious : ConnectionErrorPrevious};
}
