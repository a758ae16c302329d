#pragma once
// A network of scripted answers: each address gives its whole body, fails
// before writing, breaks off after part of it, or raises; an unknown address
// fails. The body lands in the fake file system, as a download's would.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/DownloadApi.h"
#include "tests/fakes/FakeFileSystem.h"

class TFakeDownloadApi : public TDownloadApi {
public:
    enum TOutcome { doComplete, doFail, doPartial, doRaise };
    struct TAnswer {
        TOutcome Outcome = doComplete;
        std::string Body;
    };
    explicit TFakeDownloadApi(TFakeFileSystem& Files) : FFiles(Files) {}

    std::map<std::string, TAnswer> Answers;  // by address
    struct TCall {
        std::string URL, FileName;
    };
    std::vector<TCall> Calls;
    // Runs inside every download, while the caller waits for it.
    std::function<void()> During;

    bool DownloadToFile(const std::string& URL, const std::string& FileName) override;

private:
    TFakeFileSystem& FFiles;
};
