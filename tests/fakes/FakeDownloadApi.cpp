#include "tests/fakes/FakeDownloadApi.h"

#include <stdexcept>

bool TFakeDownloadApi::DownloadToFile(const std::string& URL, const std::string& FileName) {
    Calls.push_back({URL, FileName});
    if (During) During();
    auto found = Answers.find(URL);
    if (found == Answers.end() || !FFiles.Writable(FileName)) return false;
    const TAnswer& answer = found->second;
    switch (answer.Outcome) {
        case doComplete: FFiles.Files[FileName] = answer.Body; return true;
        case doPartial: FFiles.Files[FileName] = answer.Body.substr(0, answer.Body.size() / 2); return false;
        case doRaise: throw std::runtime_error("the connection broke");
        case doFail: return false;
    }
    return false;
}
