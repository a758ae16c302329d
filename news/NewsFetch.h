#pragma once
// Fetching the news file. The download goes to a temporary file beside the
// local copy, which it replaces only when it came whole and is not a
// server's "not found" page; whatever else it leaves is removed. So a
// failed download keeps the previous update, which is then shown. The copy
// lives in the program's folder or, where that cannot be written (an
// installation without the rights), in the user's temporary folder.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DownloadApi.h"
#include "platform/FileSystem.h"

struct TNewsFetch {
    std::vector<std::string> Lines;  // the news file's, or none
    std::string Status;              // what the status bar then says
};

// Told before the download (true, with the status to show meanwhile) and
// after it (false, with an empty status).
using TNewsWaiting = std::function<void(bool Waiting, const std::string& Status)>;

TNewsFetch FetchNews(TFileSystem& Files, TDownloadApi& Download, const std::string& URL,
                     const std::string& ProgramFolder, const TNewsWaiting& Waiting);
// The local copy's name: the address's last part, or "NewsFeed.inf" when
// that part is empty or could name another folder or a device.
std::string NewsFileName(std::string_view URL);
// The folder of a file's path, with its trailing separator; empty for a bare name.
std::string FolderOf(std::string_view Path);
