// Drives the running program for measure.sh: "haute" sets its fastest
// refresh rate (two ticks a second) from the chart's menu and shows its
// window; "hide" hides it again. (Wine gives no processor times of another
// process, so the measuring is done from outside.)
//   cpu_use haute|hide
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {
struct TChartSearch {
    HWND Found;
};

// The chart: the program's only child window of 241 x 97.
BOOL CALLBACK FindChart(HWND Wnd, LPARAM Param) {
    RECT r;
    GetWindowRect(Wnd, &r);
    if (r.right - r.left != 241 || r.bottom - r.top != 97) return TRUE;
    reinterpret_cast<TChartSearch*>(Param)->Found = Wnd;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    const char* command = argc > 1 ? argv[1] : "";
    HWND main = FindWindowA("TfMainMem", "Torvane XP");
    if (!main) {
        std::fprintf(stderr, "the program is not running\n");
        return 1;
    }
    if (std::strcmp(command, "hide") == 0) {
        ShowWindow(main, SW_HIDE);
        return 0;
    }
    if (std::strcmp(command, "haute") != 0) {
        std::fprintf(stderr, "usage: cpu_use haute|hide\n");
        return 2;
    }
    TChartSearch chart{nullptr};
    EnumChildWindows(main, FindChart, reinterpret_cast<LPARAM>(&chart));
    if (!chart.Found) return 1;
    RECT r;
    GetWindowRect(chart.Found, &r);
    PostMessageA(chart.Found, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(chart.Found), MAKELPARAM(r.left + 5, r.top + 5));
    HWND menu = nullptr;
    for (int i = 0; i < 100 && !menu; ++i, Sleep(20)) menu = FindWindowA("#32768", nullptr);
    for (WPARAM key : {VK_UP, VK_RETURN}) PostMessageA(menu, WM_KEYDOWN, key, 0);  // the last item: "Haute"
    Sleep(500);
    PostMessageA(main, WM_USER, 0, 0);  // shown, as a second start would
    return 0;
}
