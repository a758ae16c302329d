#pragma once
#include <windows.h>

// Layered-window opacity exists from Windows 2000 on; it is looked up at run
// time so that the program still loads where it does not.
bool LayeredWindowsAvailable();
void SetLayeredOpacity(HWND Wnd, bool Enabled, int Alpha);
