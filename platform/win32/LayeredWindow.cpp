#include "platform/win32/LayeredWindow.h"

namespace {
using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

TSetLayeredWindowAttributes SetAttributesFunction() {
    static auto function = reinterpret_cast<TSetLayeredWindowAttributes>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetLayeredWindowAttributes")));
    return function;
}
}  // namespace

bool LayeredWindowsAvailable() { return SetAttributesFunction() != nullptr; }

void SetLayeredOpacity(HWND Wnd, bool Enabled, int Alpha) {
    auto setAttributes = SetAttributesFunction();
    if (!setAttributes) return;
    LONG exStyle = GetWindowLongA(Wnd, GWL_EXSTYLE);
    LONG wanted = Enabled ? (exStyle | WS_EX_LAYERED) : (exStyle & ~WS_EX_LAYERED);
    if (wanted != exStyle) SetWindowLongA(Wnd, GWL_EXSTYLE, wanted);
    if (Enabled) setAttributes(Wnd, 0, static_cast<BYTE>(Alpha), LWA_ALPHA);
}
