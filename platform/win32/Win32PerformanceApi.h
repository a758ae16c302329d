#pragma once
// Version, performance data, tick count and idle time from the Windows kernel and registry.
#include "platform/PerformanceApi.h"

class TWin32PerformanceApi : public TPerformanceApi {
public:
    bool GetPlatformId(uint32_t& PlatformId) override;
    long QueryProcessorData(std::vector<uint8_t>& Buffer, uint32_t& Returned) override;
    uint32_t GetTickCount() override;
    std::optional<int64_t> SystemIdleTime() override;
    uint32_t ProcessorCount() override;
};
