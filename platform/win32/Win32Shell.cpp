#include "platform/win32/Win32Shell.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/Win32Icon.h"

namespace {
// The record of shells before version 5.0 (Windows 95, 98 and NT 4 without
// a newer shell): up to the 64-character tip.
constexpr DWORD OriginalRecordSize = 88;
constexpr DWORD FullRecordSize = 488;

struct TDllVersion {
    DWORD cbSize, dwMajorVersion, dwMinorVersion, dwBuildNumber, dwPlatformID;
};

// The library's DllGetVersion (looked up: the oldest libraries lack it), as
// major << 16 | minor; 0 when it cannot tell.
DWORD LibraryVersion(const char* Library) {
    HMODULE module = LoadLibraryA(Library);
    if (!module) return 0;
    using TGetVersion = HRESULT(CALLBACK*)(TDllVersion*);
    auto getVersion = reinterpret_cast<TGetVersion>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")));
    TDllVersion version{sizeof(TDllVersion), 0, 0, 0, 0};
    const DWORD result = getVersion && SUCCEEDED(getVersion(&version)) ? version.dwMajorVersion << 16 | version.dwMinorVersion : 0;
    FreeLibrary(module);
    return result;
}

HWND CreateHandler(TWin32Shell* Shell, WNDPROC Proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TorvaneTrayHandler";
    RegisterClassA(&wc);
    // An ordinary hidden top-level window: message-only ones do not exist before 2000.
    HWND wnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Shell));
    return wnd;
}
}  // namespace

TWin32Shell::TWin32Shell()
    : FHandler(CreateHandler(this, HandlerProc)),
      FTaskbarCreated(LibraryVersion("comctl32.dll") >= 0x40047 ? RegisterWindowMessageA("TaskbarCreated") : 0),
      FRecordSize(LibraryVersion("shell32.dll") >= 0x50000 ? FullRecordSize : OriginalRecordSize) {}

TWin32Shell::~TWin32Shell() { DestroyWindow(FHandler); }

LRESULT CALLBACK TWin32Shell::HandlerProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* shell = reinterpret_cast<TWin32Shell*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA));
    switch (Msg) {
        case TRAY_CALLBACK_MESSAGE:
            if (shell)
                if (auto it = shell->FListeners.find(static_cast<uint32_t>(WParam)); it != shell->FListeners.end())
                    it->second->TrayNotification(static_cast<uint32_t>(LParam));
            return 0;
        case WM_DESTROY:
        case WM_CLOSE:
        case WM_QUERYENDSESSION:
        case WM_QUIT:
        case WM_ENDSESSION:
        case WM_NCDESTROY: return 1;  // the handler lives as long as the program
        default: return DefWindowProcA(Wnd, Msg, WParam, LParam);
    }
}

// The icon handle is made for the call and destroyed after it: the shell
// keeps a copy of its own.
bool TWin32Shell::NotifyIcon(uint32_t Command, const TNotifyIconRecord& Record) {
    NOTIFYICONDATAA data{};
    data.cbSize = FRecordSize;
    data.hWnd = FHandler;
    data.uID = Record.Id;
    data.uFlags = NIF_STANDARD_FLAGS;
    data.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    data.hIcon = Record.Icon ? CreateSystemIcon(*Record.Icon) : nullptr;
    std::strncpy(data.szTip, Record.Tip.c_str(), std::min(TipLength(), Record.Tip.size()));
    const bool done = Shell_NotifyIconA(Command, &data);
    if (data.hIcon) DestroyIcon(data.hIcon);
    return done;
}

size_t TWin32Shell::TipLength() { return FRecordSize == FullRecordSize ? sizeof NOTIFYICONDATAA::szTip - 1 : 63; }

void TWin32Shell::Execute(void* Owner, const std::string& Operation, const std::string& File,
                          const std::string& Parameters, const std::string& Directory, int ShowCommand) {
    ShellExecuteA(static_cast<HWND>(Owner), Operation.empty() ? nullptr : Operation.c_str(), File.c_str(),
                  Parameters.c_str(), Directory.c_str(), ShowCommand);
}
