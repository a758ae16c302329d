#pragma once
// A second estimate of processor use, for when the sampler raises: the idle
// time of the first processor against the tick count.
#include <cstdint>
#include <optional>

#include "platform/PerformanceApi.h"

class TCpuEstimator {
public:
    explicit TCpuEstimator(TPerformanceApi& System) : FSystem(System) {}

    // Idle time of the first processor instance from the performance data;
    // nothing when there is no valid reading.
    std::optional<int64_t> ReadIdleTime();
    // Percent since the previous call, 0..100; 0 whenever this or the previous
    // call had no idle reading to compare.
    int32_t EstimateCpuUsage();

private:
    enum TIdleSource { isPerfData, isSystemTimes };
    struct TIdleReading {
        TIdleSource Source;
        int64_t Value;  // 100 ns units of one processor
    };
    std::optional<TIdleReading> ReadIdle();

    TPerformanceApi& FSystem;
    bool FNotProvided = false;  // the performance data has no processor object at all
    uint32_t FLastTick = 0;
    std::optional<TIdleReading> FLastIdle;
};
