// Starts a window program, waits until it shows a window and has settled, and
// prints its memory use as the system counts it.
//   footprint PROGRAM.exe
#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace {
struct TSearch {
    DWORD ProcessId;
    bool Found;
};

BOOL CALLBACK FindVisibleWindow(HWND Wnd, LPARAM Param) {
    auto* search = reinterpret_cast<TSearch*>(Param);
    DWORD pid = 0;
    GetWindowThreadProcessId(Wnd, &pid);
    if (pid == search->ProcessId && IsWindowVisible(Wnd)) search->Found = true;
    return !search->Found;
}

bool WaitForWindow(DWORD ProcessId) {
    for (int tries = 0; tries < 150; ++tries) {
        TSearch search{ProcessId, false};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found) return true;
        Sleep(100);
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: footprint PROGRAM.exe\n");
        return 2;
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    bool shown = WaitForWindow(pi.dwProcessId);
    Sleep(1500);  // let start-up work finish
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
    std::printf("%s: window %s, working set %lu KB (peak %lu KB), private %lu KB\n", argv[1],
                shown ? "shown" : "NOT shown", static_cast<unsigned long>(counters.WorkingSetSize / 1024),
                static_cast<unsigned long>(counters.PeakWorkingSetSize / 1024),
                static_cast<unsigned long>(counters.PagefileUsage / 1024));
    TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return shown ? 0 : 1;
}
