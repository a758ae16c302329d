#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

#include "platform/win32/Win32Menus.h"

void* TWin32WindowSystem::FindTopWindow(const std::string& ClassName, const std::string& Title) {
    return FindWindowA(ClassName.c_str(), Title.c_str());
}

void TWin32WindowSystem::ShowWindow(void* Wnd, int Command) { ::ShowWindow(static_cast<HWND>(Wnd), Command); }

void TWin32WindowSystem::PostToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
    PostMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
}

void TWin32WindowSystem::SetForegroundWindow(void* Wnd) { ::SetForegroundWindow(static_cast<HWND>(Wnd)); }

int TWin32WindowSystem::MessageBox(void* Owner, const std::string& Text, const std::string& Caption, uint32_t Flags) {
    return MessageBoxA(static_cast<HWND>(Owner), Text.c_str(), Caption.c_str(), Flags);
}

void TWin32WindowSystem::Beep() { MessageBeep(0); }

TMenuItem* TWin32WindowSystem::TrackPopupMenu(TPopupMenu& Menu, int X, int Y, void* Owner) {
    return TrackMenu(Menu, X, Y, static_cast<HWND>(Owner));
}

TRect TWin32WindowSystem::WorkArea() {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return TRect{area.left, area.top, area.right, area.bottom};
}
