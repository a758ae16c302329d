#pragma once
// How busy the processor is between two samples. The NT family reads the
// "Processor" object of the performance data; Windows 95, 98 and Me read the
// kernel's statistic from the dynamic-data hive. The path is chosen once.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/PerformanceApi.h"
#include "platform/RegistryApi.h"

class ECpuSamplerError : public std::runtime_error {
public:
    using runtime_error::runtime_error;
};

class TCpuSampler {
public:
    // Raises ECpuSamplerError("Can't get the Windows version").
    TCpuSampler(TPerformanceApi& System, TRegistryApi& Registry);
    ~TCpuSampler();  // the end of the program: StopCpuSampling
    TCpuSampler(const TCpuSampler&) = delete;
    TCpuSampler& operator=(const TCpuSampler&) = delete;

    // One sample on the platform's path; raises ECpuSamplerError when the data
    // cannot be read.
    void SampleCpu();
    // Busy fraction of processor instance Index between the last two samples,
    // nominally 0 to 1; samples first when nothing was sampled yet.
    double CpuUsage(int Index);
    // Ends the Windows 95 statistics collection; nothing on the NT family.
    void StopCpuSampling();

private:
    void SampleNt();
    double NtUsage(int Index);
    void StartStatistics();
    void ReadUsage(THKey Key);

    TPerformanceApi& FSystem;
    TRegistryApi& FRegistry;
    bool FOnNt = false;
    bool FNotProvided = false;  // the data has no processor object at all
    std::vector<uint8_t> FBuffer = std::vector<uint8_t>(8192);  // kept between samples, only grows
    int32_t FInstanceCount = -1;                                // fixed at the first sample
    std::vector<int64_t> FCurrentValues;
    std::vector<int64_t> FPreviousValues;
    int64_t FCurrentTime = 0;  // file time of the last sample
    int64_t FPreviousTime = 0;
    bool FStarted = false;  // Windows 95: the collection is open
    THKey FStatKey = 0;     // Windows 95: "PerfStats\StatData"
    uint32_t FUsage = 0;    // Windows 95: percent
};
