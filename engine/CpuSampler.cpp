#include "engine/CpuSampler.h"

#include <algorithm>

#include "engine/PerfData.h"

namespace {
const char* const UsageValue = "KERNEL\\CPUUsage";
const char* const NoProcessorObject = "Unable to locate the \"Processor\" performance object";
}  // namespace

TCpuSampler::TCpuSampler(TPerformanceApi& System, TRegistryApi& Registry) : FSystem(System), FRegistry(Registry) {
    uint32_t PlatformId = 0;
    if (!FSystem.GetPlatformId(PlatformId)) throw ECpuSamplerError("Can't get the Windows version");
    FOnNt = PlatformId == VER_PLATFORM_WIN32_NT_ID;
}

TCpuSampler::~TCpuSampler() { StopCpuSampling(); }

void TCpuSampler::SampleCpu() {
    if (FOnNt) {
        SampleNt();
        return;
    }
    if (!FStarted) StartStatistics();
    ReadUsage(FStatKey);
}

double TCpuSampler::CpuUsage(int Index) {
    if (FOnNt) return NtUsage(Index);
    if (Index != 0) throw ECpuSamplerError("CPU index out of bounds");
    if (!FStarted) SampleCpu();
    return FUsage / 100.0;
}

void TCpuSampler::StopCpuSampling() {
    if (FOnNt || !FStarted) return;
    FStarted = false;
    FRegistry.CloseKey(FStatKey);
    THKey Key = 0;
    if (FRegistry.OpenKey(HKEY_DYN_DATA_KEY, "PerfStats\\StopStat", Key, KEY_ALL_ACCESS_RIGHTS) == REG_NO_ERROR) {
        ReadUsage(Key);
        FRegistry.CloseKey(Key);
    }
}

// A system whose performance data has no processor object will not grow
// one: it is not asked again (under Wine the query costs some 12 ms).
void TCpuSampler::SampleNt() {
    if (FNotProvided) throw ECpuSamplerError(NoProcessorObject);
    const TProcessorData Data = QueryProcessorData(FSystem, FBuffer, [](size_t Size) { return Size + 4096; });
    FNotProvided = Data.Find == pfNotProvided;
    if (Data.Find == pfNoObject || FNotProvided) throw ECpuSamplerError(NoProcessorObject);
    if (FInstanceCount == -1) {
        FInstanceCount = Data.NumInstances;
        FCurrentValues.assign(static_cast<size_t>(FInstanceCount), 0);
        FPreviousValues.assign(static_cast<size_t>(FInstanceCount), 0);
    }
    if (Data.Find == pfNoCounter)
        throw ECpuSamplerError("Unable to locate the \"% of CPU usage\" performance counter");
    // Instances the data no longer holds keep their values.
    const size_t Read = std::min(FCurrentValues.size(), Data.IdleTimes.size());
    for (size_t i = 0; i < Read; ++i) {
        FPreviousValues[i] = FCurrentValues[i];
        FCurrentValues[i] = Data.IdleTimes[i];
    }
    FPreviousTime = FCurrentTime;
    FCurrentTime = Data.Time;
}

double TCpuSampler::NtUsage(int Index) {
    if (FInstanceCount == -1) SampleCpu();
    if (Index < 0 || Index >= FInstanceCount) throw ECpuSamplerError("CPU index out of bounds");
    // Without an earlier sample there is only the zero start to compare with, which measures nothing.
    if (FPreviousTime == 0 || FCurrentTime == FPreviousTime) return 0;
    const auto Idle = static_cast<double>(CounterDifference(FCurrentValues[Index], FPreviousValues[Index]));
    return 1 - Idle / static_cast<double>(CounterDifference(FCurrentTime, FPreviousTime));
}

void TCpuSampler::StartStatistics() {
    THKey Key = 0;
    if (FRegistry.OpenKey(HKEY_DYN_DATA_KEY, "PerfStats\\StartStat", Key, KEY_ALL_ACCESS_RIGHTS) != REG_NO_ERROR)
        throw ECpuSamplerError("Unable to start performance monitoring");
    ReadUsage(Key);
    FRegistry.CloseKey(Key);
    if (FRegistry.OpenKey(HKEY_DYN_DATA_KEY, "PerfStats\\StatData", FStatKey, KEY_READ_RIGHTS) != REG_NO_ERROR)
        throw ECpuSamplerError("Unable to read performance data");
    FStarted = true;
}

// The statistic is a 4-byte little-endian percentage; a failed read keeps the last one.
void TCpuSampler::ReadUsage(THKey Key) {
    uint32_t Type = 0;
    std::vector<uint8_t> Data;
    if (FRegistry.QueryValue(Key, UsageValue, Type, Data) != REG_NO_ERROR || Data.size() < 4) return;
    FUsage = Data[0] | Data[1] << 8 | Data[2] << 16 | static_cast<uint32_t>(Data[3]) << 24;
}
