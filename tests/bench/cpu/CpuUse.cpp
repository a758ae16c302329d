// Shows the running program's window for measure.sh, as a second start
// would (its wake message): the "Système" page at the rate it has. (Wine
// gives no processor times of another process, so the measuring is done
// from outside.)
#include <windows.h>

#include <cstdio>

int main() {
    HWND main = FindWindowA("TfMainMem", "Torvane XP");
    if (!main) {
        std::fprintf(stderr, "the program is not running\n");
        return 1;
    }
    PostMessageA(main, WM_USER, 0, 0);
    return 0;
}
