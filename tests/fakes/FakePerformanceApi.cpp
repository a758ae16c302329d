#include "tests/fakes/FakePerformanceApi.h"

#include <algorithm>

bool TFakePerformanceApi::GetPlatformId(uint32_t& Id) {
    if (VersionKnown) Id = PlatformId;
    return VersionKnown;
}

long TFakePerformanceApi::QueryProcessorData(std::vector<uint8_t>& Buffer, uint32_t& Returned) {
    FQuerySizes.push_back(Buffer.size());
    if (Buffer.size() < Data.size()) return REG_MORE_DATA;
    std::copy(Data.begin(), Data.end(), Buffer.begin());
    Returned = static_cast<uint32_t>(Data.size());
    return QueryResult;
}
