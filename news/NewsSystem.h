#pragma once
// What the news feed needs of the system besides the application's windows.
#include <string>

#include "platform/DownloadApi.h"
#include "platform/FileSystem.h"
#include "platform/Resources.h"
#include "platform/Shell.h"

struct TNewsSystem {
    TShell& Shell;            // opens the links
    TDownloadApi& Download;   // fetches the news file
    TFileSystem& Files;       // keeps its local copy
    TResources& Resources;    // the window's pictures
    std::string ExeName;      // full path of the running program, whose folder holds the copy
};
