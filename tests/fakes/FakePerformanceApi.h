#pragma once
// Scripted system for the processor sampler and estimator: the platform, the
// performance data the next query answers (ERROR_MORE_DATA while the buffer is
// smaller than it), the tick count and GetSystemTimes' idle time.
#include <vector>

#include "platform/PerformanceApi.h"

class TFakePerformanceApi : public TPerformanceApi {
public:
    bool VersionKnown = true;  // false: GetVersionExA fails
    uint32_t PlatformId = VER_PLATFORM_WIN32_NT_ID;
    std::vector<uint8_t> Data;  // written by a query whose buffer holds it
    long QueryResult = 0;       // what such a query returns
    uint32_t Tick = 0;
    std::optional<int64_t> IdleTime;  // nothing: the system has no GetSystemTimes
    uint32_t Processors = 1;

    // The buffer size passed to each query, in order.
    const std::vector<size_t>& QuerySizes() const { return FQuerySizes; }

    bool GetPlatformId(uint32_t& Id) override;
    long QueryProcessorData(std::vector<uint8_t>& Buffer, uint32_t& Returned) override;
    uint32_t GetTickCount() override { return Tick; }
    std::optional<int64_t> SystemIdleTime() override { return IdleTime; }
    uint32_t ProcessorCount() override { return Processors; }

private:
    std::vector<size_t> FQuerySizes;
};
