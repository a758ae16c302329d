// The processor figures, tick count and priorities of Windows.
#include <windows.h>

#include "platform/CpuPlatform.h"

namespace {

class TWin32CpuPlatform : public TCpuPlatform {
public:
    TCpuSystemInfo GetSystemInfo() override {
        SYSTEM_INFO Info{};
        ::GetSystemInfo(&Info);
        return {Info.dwNumberOfProcessors, Info.dwProcessorType};
    }
    uint32_t GetTickCount() override { return ::GetTickCount(); }
    uint32_t GetPriorityClass() override { return ::GetPriorityClass(::GetCurrentProcess()); }
    void SetPriorityClass(uint32_t PriorityClass) override {
        ::SetPriorityClass(::GetCurrentProcess(), PriorityClass);
    }
    int GetThreadPriority() override { return ::GetThreadPriority(::GetCurrentThread()); }
    void SetThreadPriority(int Priority) override { ::SetThreadPriority(::GetCurrentThread(), Priority); }
};

}  // namespace

TCpuPlatform& SystemCpuPlatform() {
    static TWin32CpuPlatform Platform;
    return Platform;
}
