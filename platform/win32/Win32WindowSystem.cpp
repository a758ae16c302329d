#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

#include "ui/Control.h"
#include "ui/Font.h"

#include "platform/win32/LayeredWindow.h"
#include "platform/win32/Win32Menus.h"

void* TWin32WindowSystem::FindTopWindow(const std::string& ClassName, const std::string& Title) {
    return FindWindowA(ClassName.c_str(), Title.c_str());
}

void TWin32WindowSystem::ShowWindow(void* Wnd, int Command) { ::ShowWindow(static_cast<HWND>(Wnd), Command); }

void TWin32WindowSystem::PostToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
    PostMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
}

intptr_t TWin32WindowSystem::SendToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
    return SendMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
}

void TWin32WindowSystem::SetForegroundWindow(void* Wnd) { ::SetForegroundWindow(static_cast<HWND>(Wnd)); }

void TWin32WindowSystem::ReleaseCapture() { ::ReleaseCapture(); }

bool TWin32WindowSystem::GetCursorPos(TPoint& Position) {
    POINT p;
    if (!::GetCursorPos(&p)) return false;
    Position = {p.x, p.y};
    return true;
}

// The high bit: the key is down now.
int TWin32WindowSystem::AsyncShiftState() {
    int shift = 0;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) shift |= ssShift;
    if (GetAsyncKeyState(VK_MENU) & 0x8000) shift |= ssAlt;
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000) shift |= ssCtrl;
    return shift;
}

uint32_t TWin32WindowSystem::DoubleClickTime() { return GetDoubleClickTime(); }

bool TWin32WindowSystem::HasLayeredWindows() { return LayeredWindowsAvailable(); }

int TWin32WindowSystem::StartupShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
}

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

int TWin32WindowSystem::ScreenBitsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits;
}

// The record as every version knows it: 340 bytes, without the padded
// border width that Vista added (older systems refuse a larger record).
bool TWin32WindowSystem::MenuFont(TFont& Font) {
    NONCLIENTMETRICSA metrics{};
    const UINT size = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    static_assert(offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA) == 340);
    metrics.cbSize = size;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, size, &metrics, 0)) return false;
    const LOGFONTA& menu = metrics.lfMenuFont;
    TFont read;
    read.Assign(Font);
    read.SetName(menu.lfFaceName);
    read.SetHeight(menu.lfHeight);
    read.SetStyle((menu.lfWeight >= FW_BOLD ? fsBold : 0) | (menu.lfItalic ? fsItalic : 0) |
                  (menu.lfUnderline ? fsUnderline : 0) | (menu.lfStrikeOut ? fsStrikeOut : 0));
    read.SetCharset(static_cast<TFontCharset>(menu.lfCharSet));
    Font.Assign(read);
    return true;
}
