#pragma once
// Downloads from the network into a file.
#include <string>

class TDownloadApi {
public:
    virtual ~TDownloadApi() = default;
    // Fetches URL into FileName, blocking until done; false on any failure,
    // after which the file may hold part of the resource or nothing.
    virtual bool DownloadToFile(const std::string& URL, const std::string& FileName) = 0;
};
