// Where a control of the running program's main window is on the screen, for
// a script that works the window with the X server's mouse and keys:
//   locate tab INDEX       the centre of the page control's tab INDEX
//   locate edit INDEX      the centre of the INDEX-th edit box, then its text
//   locate inside INDEX    the screen rectangle "X Y W H" of that box's first child
//   locate button TEXT     the centre of the button (or check box) of that caption
// Prints "X Y" (and the text), or the rectangle; exits with 1 when there is no such control.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/app/ProgramDriver.h"

namespace {
// The rectangle of tab Index of a tab control of another process: the
// control writes it into that process's memory.
bool TabRect(HWND Tabs, int Index, RECT& Rect) {
    DWORD id = 0;
    GetWindowThreadProcessId(Tabs, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof Rect, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool done = remote && SendMessageA(Tabs, TCM_GETITEMRECT, Index, reinterpret_cast<LPARAM>(remote)) &&
                      ReadProcessMemory(process, remote, &Rect, sizeof Rect, nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return done;
}

// An edit box's text as the box holds it (another process's window title is
// not its text).
std::string EditText(HWND Edit) {
    char text[256] = {};
    SendMessageA(Edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void PrintCentre(HWND Wnd, RECT Rect) {
    MapWindowPoints(Wnd, nullptr, reinterpret_cast<POINT*>(&Rect), 2);
    std::printf("%ld %ld", (Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2);
}
}  // namespace

int main(int argc, char** argv) {
    HWND main = FindWindowA("TfMainMem", "Torvane XP");
    if (argc != 3 || !main) return 1;
    const std::string kind = argv[1], which = argv[2];
    RECT r{};
    if (kind == "tab") {
        const auto tabs = FindDescendants(main, WC_TABCONTROLA);
        if (tabs.empty() || !TabRect(tabs[0], std::atoi(which.c_str()), r)) return 1;
        PrintCentre(tabs[0], r);
    } else if (kind == "edit") {
        const auto edits = FindDescendants(main, "Edit");
        const size_t index = std::strtoul(which.c_str(), nullptr, 10);
        if (index >= edits.size()) return 1;
        GetClientRect(edits[index], &r);
        PrintCentre(edits[index], r);
        std::printf(" %s", EditText(edits[index]).c_str());
    } else if (kind == "inside") {
        const auto edits = FindDescendants(main, "Edit");
        const size_t index = std::strtoul(which.c_str(), nullptr, 10);
        HWND child = index < edits.size() ? GetWindow(edits[index], GW_CHILD) : nullptr;
        if (!child) return 1;
        GetWindowRect(child, &r);
        std::printf("%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (kind == "button") {
        HWND button = FindDescendant(main, "Button", which);
        if (!button) return 1;
        GetClientRect(button, &r);
        PrintCentre(button, r);
    } else {
        return 1;
    }
    std::printf("\n");
    return 0;
}
