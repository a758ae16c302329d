#include "platform/win32/Win32Hints.h"

#include <commctrl.h>

namespace {
// The structure as every version of the common controls knows it.
TOOLINFOA ToolInfo(HWND Owner, HWND Tool) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = Owner;
    info.uId = reinterpret_cast<UINT_PTR>(Tool);
    return info;
}
}  // namespace

THintWindow::THintWindow(HWND Owner)
    : FOwner(Owner),
      FWnd(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Owner, nullptr, GetModuleHandleA(nullptr),
                           nullptr)) {
    // A width makes the tip break its text at carriage return and line feed.
    SendMessageA(FWnd, TTM_SETMAXTIPWIDTH, 0, 400);
}

THintWindow::~THintWindow() {
    if (IsWindow(FWnd)) DestroyWindow(FWnd);
}

void THintWindow::SetActive(bool Active) { SendMessageA(FWnd, TTM_ACTIVATE, Active, 0); }

void THintWindow::SetColor(COLORREF Background) { SendMessageA(FWnd, TTM_SETTIPBKCOLOR, Background, 0); }

void THintWindow::SetTool(HWND Tool, const std::string& Text) {
    TOOLINFOA info = ToolInfo(FOwner, Tool);
    SendMessageA(FWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    if (Text.empty()) return;
    std::string text = Text;
    info.lpszText = text.data();
    SendMessageA(FWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}
