// Entry point of TorvaneXP.exe: the real system under the portable program.
#include <windows.h>
#include <commctrl.h>

#include "app/Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "platform/win32/Win32MemoryApi.h"
#include "platform/win32/Win32MessageQueue.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32WindowSystem.h"

namespace {
std::string ExecutablePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    PrepareDrawing();
    TWin32MemoryApi memory;
    TWin32MessageQueue queue;
    TWin32WindowSystem windows;
    TWin32Registry registry;
    TWin32Resources resources;
    TMainMemSystem system{memory, registry, resources, ExecutablePath()};
    RunProgram(queue, windows, system);
    return 0;
}
