// Entry point of TorvaneXP.exe: the real system under the portable program.
#include <windows.h>
#include <commctrl.h>

#include "app/Program.h"
#include "cpu/cpuidProcessor.h"
#include "ui/Locale.h"
#include "platform/win32/GdiTextRenderer.h"
#include "platform/win32/Win32MemoryApi.h"
#include "platform/win32/Win32MessageQueue.h"
#include "platform/win32/Win32PerformanceApi.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemInfoApi.h"
#include "platform/win32/Win32WindowSystem.h"

namespace {
std::string ExecutablePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The user's decimal separator, for the numbers the window reads and shows.
void ReadUserLocale() {
    char separator[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 1)
        SetDecimalSeparator(separator[0]);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    PrepareDrawing();
    ReadUserLocale();
    TWin32MemoryApi memory;
    TWin32MessageQueue queue;
    TWin32WindowSystem windows;
    TWin32Registry registry;
    TWin32Resources resources;
    TWin32PerformanceApi performance;
    TWin32Shell shell;
    TWin32SystemInfoApi systemInfo;
    TProcessorCpuid& processor = RunningProcessor();
    TMainMemSystem system{memory,     registry, resources, performance, shell, systemInfo,
                          {processor, processor, SystemCpuPlatform()}, ExecutablePath()};
    RunProgram(queue, windows, system);
    return 0;
}
