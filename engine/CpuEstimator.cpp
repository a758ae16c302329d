#include "engine/CpuEstimator.h"

#include <algorithm>
#include <vector>

#include "core/Rounding.h"
#include "engine/PerfData.h"

namespace {

// Idle time in 100 ns units over milliseconds: a hundredth of it per millisecond is the idle percentage.
int32_t BusyPercent(int64_t IdleUnits, uint32_t Milliseconds) {
    const double IdlePercent = static_cast<double>(IdleUnits / 100) / Milliseconds;
    return static_cast<int32_t>(std::clamp<int64_t>(100 - RoundHalfEven(IdlePercent), 0, 100));
}

}  // namespace

// As the sampler, a system without the processor object is not asked again.
std::optional<int64_t> TCpuEstimator::ReadIdleTime() {
    if (FNotProvided) return std::nullopt;
    std::vector<uint8_t> Buffer(65536);
    const TProcessorData Data = QueryProcessorData(FSystem, Buffer, [](size_t Size) { return Size * 2; });
    FNotProvided = Data.Find == pfNotProvided;
    if (Data.Find != pfFound) return std::nullopt;
    return Data.IdleTimes.front();
}

int32_t TCpuEstimator::EstimateCpuUsage() {
    const uint32_t Now = FSystem.GetTickCount();
    const std::optional<TIdleReading> Idle = ReadIdle();
    int32_t Result = 0;
    // No previous reading (the first call among them), or one of another source: nothing to compare.
    if (FLastIdle && Idle && Idle->Source == FLastIdle->Source && Now != FLastTick)
        Result = BusyPercent(CounterDifference(Idle->Value, FLastIdle->Value), Now - FLastTick);
    FLastTick = Now;
    FLastIdle = Idle;
    return Result;
}

// The system-wide idle time is summed over the processors; shared out, it
// reads as one processor's, like the performance data's.
std::optional<TCpuEstimator::TIdleReading> TCpuEstimator::ReadIdle() {
    if (const std::optional<int64_t> Idle = ReadIdleTime()) return TIdleReading{isPerfData, *Idle};
    if (const std::optional<int64_t> Idle = FSystem.SystemIdleTime())
        return TIdleReading{isSystemTimes, *Idle / std::max<uint32_t>(FSystem.ProcessorCount(), 1)};
    return std::nullopt;
}
