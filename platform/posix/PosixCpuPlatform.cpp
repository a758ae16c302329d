// The processor figures, tick count and priorities of a POSIX system, for the
// tools that identify the processor they run on.
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>

#include "platform/CpuPlatform.h"

namespace {

// Windows' class offsets expressed as niceness.
int ClassNiceness(uint32_t PriorityClass) {
    switch (PriorityClass) {
        case pcIdle: return 19;
        case pcBelowNormal: return 5;
        case pcAboveNormal: return -5;
        case pcHigh: return -10;
        case pcRealtime: return -20;
        default: return 0;
    }
}

// Linux has one niceness per thread where Windows has a process class and a
// thread priority. Both map onto the calling thread's niceness, relative to
// the one it had at start, so restoring both restores it exactly. A refused
// raise (no privilege) is ignored, as Windows quietly grants less than
// real-time priority to whom may not have it.
class TPosixCpuPlatform : public TCpuPlatform {
public:
    TCpuSystemInfo GetSystemInfo() override {
        long Count = sysconf(_SC_NPROCESSORS_ONLN);
        // Windows NT reports every processor since the Pentium as 586.
        return {static_cast<uint32_t>(std::max(Count, 1L)), 586};
    }
    uint32_t GetTickCount() override {
        timespec Now{};
        clock_gettime(CLOCK_MONOTONIC, &Now);
        return static_cast<uint32_t>(static_cast<uint64_t>(Now.tv_sec) * 1000u + Now.tv_nsec / 1000000);
    }
    uint32_t GetPriorityClass() override { return FClass; }
    void SetPriorityClass(uint32_t PriorityClass) override {
        FClass = PriorityClass;
        Apply();
    }
    int GetThreadPriority() override { return FThread; }
    void SetThreadPriority(int Priority) override {
        FThread = Priority;
        Apply();
    }

private:
    void Apply() {
        int Nice = std::clamp(FBaseNice + ClassNiceness(FClass) - FThread, -20, 19);
        setpriority(PRIO_PROCESS, 0, Nice);
    }

    int FBaseNice = getpriority(PRIO_PROCESS, 0);
    uint32_t FClass = pcNormal;
    int FThread = tpNormal;
};

}  // namespace

TCpuPlatform& SystemCpuPlatform() {
    static TPosixCpuPlatform Platform;
    return Platform;
}
