#include "tests/fakes/FakeSystemInfoApi.h"

std::optional<std::vector<std::string>> TFakeSystemInfoApi::HostAddresses(const std::string& Name) {
    Calls.push_back("HostAddresses " + Name);
    const auto Found = Hosts.find(Name);
    return Found == Hosts.end() ? std::nullopt : std::optional(Found->second);
}

uint32_t TFakeSystemInfoApi::FindFirstFileResult(const std::string& Pattern) {
    const auto Found = SearchResults.find(Pattern);
    return Found == SearchResults.end() ? SEARCH_PATH_NOT_FOUND : Found->second;
}

TDiskSpace TFakeSystemInfoApi::DiskSpace(const std::string& Root) {
    const auto Found = Spaces.find(Root);
    return Found == Spaces.end() ? TDiskSpace{} : Found->second;
}

uint32_t TFakeSystemInfoApi::GetTickCount() {
    ++TickReads;
    return static_cast<uint32_t>(Now++ / TickStep * TickStep);
}
