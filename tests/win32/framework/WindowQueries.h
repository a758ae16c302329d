#pragma once
// What a test driver reads of a window from outside the program.
#include <windows.h>
#include <commctrl.h>

#include <string>

inline std::string TextOf(void* Wnd) {
    char text[256] = {};
    GetWindowTextA(static_cast<HWND>(Wnd), text, sizeof text);
    return text;
}

inline std::string ClassOf(void* Wnd) {
    char name[64] = {};
    GetClassNameA(static_cast<HWND>(Wnd), name, sizeof name);
    return name;
}

struct TOwnedTips {
    HWND Owner;
    HWND Found;
};

inline BOOL CALLBACK FindOwnedTips(HWND Wnd, LPARAM Param) {
    auto* tips = reinterpret_cast<TOwnedTips*>(Param);
    if (GetWindow(Wnd, GW_OWNER) == tips->Owner && ClassOf(Wnd) == TOOLTIPS_CLASSA) tips->Found = Wnd;
    return !tips->Found;
}

// The number of tools of the tool-tip window that Form owns, or -1 without one.
inline int HintTools(void* Form) {
    TOwnedTips find{static_cast<HWND>(Form), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedTips, reinterpret_cast<LPARAM>(&find));
    return find.Found ? static_cast<int>(SendMessageA(find.Found, TTM_GETTOOLCOUNT, 0, 0)) : -1;
}
