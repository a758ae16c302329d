// The smallest useful window program: the baseline for the program's footprint.
#include <windows.h>

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
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return wnd ? 0 : 1;
}
