#pragma once
// What the processor-usage sampler and its estimator need of the system.
#include <cstdint>
#include <optional>
#include <vector>

constexpr uint32_t VER_PLATFORM_WIN32_WINDOWS_ID = 1;
constexpr uint32_t VER_PLATFORM_WIN32_NT_ID = 2;
constexpr long REG_MORE_DATA = 234;

class TPerformanceApi {
public:
    virtual ~TPerformanceApi() = default;
    // GetVersionExA's platform identifier; false when the call fails.
    virtual bool GetPlatformId(uint32_t& PlatformId) = 0;
    // RegQueryValueExW of "238" under HKEY_PERFORMANCE_DATA into Buffer, whose
    // size is the size passed; the system's result, and in Returned the bytes it wrote.
    virtual long QueryProcessorData(std::vector<uint8_t>& Buffer, uint32_t& Returned) = 0;
    virtual uint32_t GetTickCount() = 0;
    // GetSystemTimes' idle time (100 ns units, summed over the processors) where the
    // system has that call (looked up at run time); nothing elsewhere or on failure.
    virtual std::optional<int64_t> SystemIdleTime() = 0;
    virtual uint32_t ProcessorCount() = 0;
};
