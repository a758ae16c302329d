#pragma once
// What a test counts to see that no system object grows: Wine counts no GUI
// resources, so GDI objects are counted by what is left of the handle table,
// and USER objects as the thread's windows.
#include <windows.h>

#include <vector>

// How many more GDI objects can be made: every object in use takes one place.
inline int FreeGdiHandles() {
    std::vector<HBRUSH> made;
    while (HBRUSH b = CreateSolidBrush(RGB(1, 2, 3))) made.push_back(b);
    for (HBRUSH b : made) DeleteObject(b);
    return static_cast<int>(made.size());
}

inline BOOL CALLBACK CountWindow(HWND Wnd, LPARAM Count) {
    ++*reinterpret_cast<int*>(Count);
    EnumChildWindows(Wnd, CountWindow, Count);
    return TRUE;
}

// The windows of the calling thread, children included.
inline int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
