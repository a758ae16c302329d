// Entry point of TorvaneXP.exe: the real system under the portable program.
#include <windows.h>
#include <commctrl.h>

#include "app/Program.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "ui/Locale.h"

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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR Arguments, int) {
    InitCommonControls();
    PrepareDrawing();
    ReadUserLocale();
    TWin32Program program(ExecutablePath());
    return RunProgram(Arguments, program.Queue, program.Windows, program.System);
}
