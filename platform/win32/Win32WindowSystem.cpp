#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

void* TWin32WindowSystem::FindTopWindow(const std::string& ClassName, const std::string& Title) {
    return FindWindowA(ClassName.c_str(), Title.c_str());
}

void TWin32WindowSystem::ShowWindow(void* Wnd, int Command) { ::ShowWindow(static_cast<HWND>(Wnd), Command); }

void TWin32WindowSystem::PostToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
    PostMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
}

void TWin32WindowSystem::SetForegroundWindow(void* Wnd) { ::SetForegroundWindow(static_cast<HWND>(Wnd)); }

void TWin32WindowSystem::ShowMessage(const std::string& Text, const std::string& Caption) {
    MessageBoxA(nullptr, Text.c_str(), Caption.c_str(), MB_OK | MB_ICONERROR);
}

TRect TWin32WindowSystem::WorkArea() {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return TRect{area.left, area.top, area.right, area.bottom};
}
