#pragma once
// Downloads through the URL moniker library, looked up when first needed:
// Windows 95 without Internet Explorer 3 has no urlmon.dll, and the program
// must still start there (its downloads then fail). A server's error answer
// (HTTP 400 and up) is a failed download, and the cache is never used.
#include <windows.h>

#include "platform/DownloadApi.h"

class TWin32DownloadApi : public TDownloadApi {
public:
    TWin32DownloadApi() = default;
    ~TWin32DownloadApi() override;
    TWin32DownloadApi(const TWin32DownloadApi&) = delete;
    TWin32DownloadApi& operator=(const TWin32DownloadApi&) = delete;

    bool DownloadToFile(const std::string& URL, const std::string& FileName) override;

private:
    using TUrlDownloadToFile = HRESULT(WINAPI*)(void* Caller, LPCSTR URL, LPCSTR FileName, DWORD Reserved,
                                                void* Callback);
    TUrlDownloadToFile Function();

    HMODULE FLibrary = nullptr;
    TUrlDownloadToFile FFunction = nullptr;
    bool FLooked = false;
};
