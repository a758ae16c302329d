// The smallest useful window program: the baseline for the program's footprint.
// Built a second time with WITH_COMMON_CONTROLS: the same window holding a tab
// control and a tool-tip window, the least of the common controls that the
// program's window needs, so that the system's own cost of them shows apart.
#include <windows.h>
#ifdef WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif

static LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = Instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "MinimalWindow";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowExA(0, "MinimalWindow", "Minimal", WS_POPUP | WS_VISIBLE, 100, 100, 360, 313, nullptr,
                               nullptr, Instance, nullptr);
#ifdef WITH_COMMON_CONTROLS
    InitCommonControls();
    CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 0, 25, 360, 288, wnd, nullptr, Instance, nullptr);
    CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, wnd, nullptr, Instance,
                    nullptr);
#endif
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return wnd ? 0 : 1;
}
