#include "cpu/cpuidDefault.h"

#include <cmath>
#include <cstdlib>
#include <span>

namespace {

// The operating system's processor type is all there is to go by.
std::string DefaultModelName(TCpuidAPI& Api) {
    uint32_t Type = Api.SystemInfo().ProcessorType;
    switch (Type) {
        case 586: return "Pentium class";
        case 686: return "Pentium II class";
        default: return std::to_string(Type) + " class";
    }
}

constexpr int SpeedsBelow300[] = {0, 10, 16, 20, 25, 33, 40, 50, 60, 66, 75, 80, 82, 88, 90};
constexpr int SpeedsFrom300[] = {0, 33, 50, 66, 100};

// Ties go to the later entry.
int Nearest(std::span<const int> Speeds, int64_t Rest) {
    int Best = Speeds[0];
    for (int Speed : Speeds)
        if (std::llabs(Speed - Rest) <= std::llabs(Best - Rest)) Best = Speed;
    return Best;
}

// The counter cycles between the first tick edge and Delay ms after the tick
// before it. Elapsed times are differences, so the tick count's wrap after
// 49.7 days changes nothing.
double CountCycles(TCpuPlatform& Platform, TTimeStampCounter& Counter, uint32_t Delay) {
    uint32_t Start = Platform.GetTickCount();
    while (Platform.GetTickCount() == Start) {
    }
    uint64_t First = Counter.ReadTimeStampCounter();
    while (Platform.GetTickCount() - Start < Delay) {
    }
    uint64_t Last = Counter.ReadTimeStampCounter();
    return static_cast<double>(Last) - static_cast<double>(First);
}

}  // namespace

const TCpuVendor DefaultVendor = {nullptr, "Unknown ", "Unknown Vendor", DefaultModelName};

float MeasureSpeed(TCpuidAPI& Api, int32_t Delay) {
    if (Delay < 1 || !Api.CPUIDPresent() || !FeatureBit(Api.FeatureWord(), 4)) return -1.0f;
    TCpuPlatform& Platform = Api.Platform();
    uint32_t PriorityClass = Platform.GetPriorityClass();
    int ThreadPriority = Platform.GetThreadPriority();
    Platform.SetPriorityClass(pcRealtime);
    Platform.SetThreadPriority(tpTimeCritical);
    double Cycles = CountCycles(Platform, Api.Counter(), static_cast<uint32_t>(Delay));
    Platform.SetThreadPriority(ThreadPriority);
    Platform.SetPriorityClass(PriorityClass);
    return static_cast<float>(Cycles / (Delay * 1000.0));
}

int32_t NormaliseSpeed(double MHz) {
    // Anything Trunc cannot hold is no clock speed, nor is a snap past the
    // largest Integer.
    if (!std::isfinite(MHz) || std::fabs(MHz) >= 2147483648.0) return 0;
    int64_t Hundreds = static_cast<int64_t>(MHz) / 100;
    int64_t Base = Hundreds * 100;
    int64_t Rest = static_cast<int64_t>(MHz - static_cast<double>(Base));
    int64_t Speed = Base < 300 ? (Hundreds > 0 ? Base : 0) + Nearest(SpeedsBelow300, Rest)
                               : Base + Nearest(SpeedsFrom300, Rest);
    if (Speed == 666) Speed = 667;
    return Speed <= INT32_MAX ? static_cast<int32_t>(Speed) : 0;
}
