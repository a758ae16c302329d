#include "platform/win32/Win32PerformanceApi.h"

#include <windows.h>

namespace {

using TGetSystemTimes = BOOL(WINAPI*)(LPFILETIME Idle, LPFILETIME Kernel, LPFILETIME User);

// Windows XP and later only: looked up, not imported, so that the program
// still loads on 95 and NT 4.
TGetSystemTimes SystemTimes() {
    static const auto Function = reinterpret_cast<TGetSystemTimes>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetSystemTimes")));
    return Function;
}

}  // namespace

bool TWin32PerformanceApi::GetPlatformId(uint32_t& PlatformId) {
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    OSVERSIONINFOA Info{};
    Info.dwOSVersionInfoSize = sizeof(Info);
    if (!::GetVersionExA(&Info)) return false;
    PlatformId = Info.dwPlatformId;
    return true;
}

long TWin32PerformanceApi::QueryProcessorData(std::vector<uint8_t>& Buffer, uint32_t& Returned) {
    DWORD Size = static_cast<DWORD>(Buffer.size());
    const LONG Result = ::RegQueryValueExW(HKEY_PERFORMANCE_DATA, L"238", nullptr, nullptr, Buffer.data(), &Size);
    Returned = Size;
    return Result;
}

uint32_t TWin32PerformanceApi::GetTickCount() { return ::GetTickCount(); }

std::optional<int64_t> TWin32PerformanceApi::SystemIdleTime() {
    const TGetSystemTimes Function = SystemTimes();
    FILETIME Idle{}, Kernel{}, User{};
    if (!Function || !Function(&Idle, &Kernel, &User)) return std::nullopt;
    return static_cast<int64_t>(static_cast<uint64_t>(Idle.dwHighDateTime) << 32 | Idle.dwLowDateTime);
}

uint32_t TWin32PerformanceApi::ProcessorCount() {
    SYSTEM_INFO Info{};
    ::GetSystemInfo(&Info);
    return Info.dwNumberOfProcessors;
}
