#pragma once
// What the processor identification needs of the operating system: its own
// figures about the processor, the millisecond tick count and the scheduling
// priorities that the clock measurement raises. Values keep the Windows
// meanings on every system.
#include <cstdint>

// Process priority classes.
constexpr uint32_t pcIdle = 0x40;
constexpr uint32_t pcBelowNormal = 0x4000;
constexpr uint32_t pcNormal = 0x20;
constexpr uint32_t pcAboveNormal = 0x8000;
constexpr uint32_t pcHigh = 0x80;
constexpr uint32_t pcRealtime = 0x100;

// Thread priorities, relative to the class.
constexpr int tpNormal = 0;
constexpr int tpTimeCritical = 15;

// The figures GetSystemInfo gives about the processor.
struct TCpuSystemInfo {
    uint32_t NumberOfProcessors = 1;  // dwNumberOfProcessors
    uint32_t ProcessorType = 586;     // dwProcessorType
};

class TCpuPlatform {
public:
    virtual ~TCpuPlatform() = default;
    virtual TCpuSystemInfo GetSystemInfo() = 0;
    // Milliseconds since start, wrapping after 49.7 days.
    virtual uint32_t GetTickCount() = 0;
    // Of the current process and of the calling thread.
    virtual uint32_t GetPriorityClass() = 0;
    virtual void SetPriorityClass(uint32_t PriorityClass) = 0;
    virtual int GetThreadPriority() = 0;
    virtual void SetThreadPriority(int Priority) = 0;
};

// The running system's implementation.
TCpuPlatform& SystemCpuPlatform();
