#include "tests/e2e/app/ProgramDriver.h"

#include <commctrl.h>

#include <vector>

namespace {
std::string ProgramPath() { return TORVANE_PROGRAM; }

struct TSearch {
    const char* ClassName;
    const std::string* Text;
    HWND Found;
};

BOOL CALLBACK MatchChild(HWND Wnd, LPARAM Param) {
    auto* search = reinterpret_cast<TSearch*>(Param);
    if ((!search->ClassName || ClassNameOf(Wnd) == search->ClassName) && WindowText(Wnd) == *search->Text) {
        search->Found = Wnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

TProgramDriver::~TProgramDriver() {
    if (!FProcess) return;
    if (Running()) TerminateProcess(FProcess, 1);
    WaitForSingleObject(FProcess, 5000);
    CloseHandle(FProcess);
}

bool TProgramDriver::Start(const std::string& Arguments) {
    if (FProcess) CloseHandle(FProcess);
    FProcess = nullptr;
    std::string path = ProgramPath();
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const std::string line = "\"" + path + "\"" + (Arguments.empty() ? "" : " " + Arguments);
    std::vector<char> command(line.begin(), line.end());
    command.push_back(0);
    if (!CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    FProcess = pi.hProcess;
    return true;
}

HWND TProgramDriver::WaitForMainWindow(DWORD TimeoutMs) {
    for (DWORD waited = 0; waited < TimeoutMs; waited += 100) {
        if (HWND wnd = FindWindowA("TfMainMem", "Torvane XP"); wnd && IsWindowVisible(wnd)) return wnd;
        Sleep(100);
    }
    return nullptr;
}

int TProgramDriver::WaitForExit(DWORD TimeoutMs) {
    if (WaitForSingleObject(FProcess, TimeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(FProcess, &code);
    return static_cast<int>(code);
}

bool TProgramDriver::Running() const { return FProcess && WaitForSingleObject(FProcess, 0) == WAIT_TIMEOUT; }

HWND FindDescendant(HWND Parent, const char* ClassName, const std::string& Text) {
    TSearch search{ClassName, &Text, nullptr};
    EnumChildWindows(Parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::vector<HWND> FindDescendants(HWND Parent, const char* ClassName) {
    struct TAll {
        const char* ClassName;
        std::vector<HWND> Found;
    } all{ClassName, {}};
    EnumChildWindows(Parent, [](HWND Wnd, LPARAM Param) CALLBACK -> BOOL {
        auto* all = reinterpret_cast<TAll*>(Param);
        if (ClassNameOf(Wnd) == all->ClassName) all->Found.push_back(Wnd);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&all));
    return all.Found;
}

namespace {
// One item's text or image, asked through a record in the list's own process.
struct TRemoteItem {
    LVITEMA Item;
    char Text[260];
};

bool ReadItem(HANDLE Process, HWND List, TRemoteItem* Remote, int Row, int Column, UINT Mask, TRemoteItem& Local) {
    Local = {};
    Local.Item.mask = Mask;
    Local.Item.iItem = Row;
    Local.Item.iSubItem = Column;
    Local.Item.pszText = Remote->Text;
    Local.Item.cchTextMax = sizeof Local.Text;
    if (!WriteProcessMemory(Process, Remote, &Local, sizeof Local, nullptr)) return false;
    const UINT message = Mask == LVIF_IMAGE ? LVM_GETITEMA : LVM_GETITEMTEXTA;
    SendMessageA(List, message, Row, reinterpret_cast<LPARAM>(Remote));
    return ReadProcessMemory(Process, Remote, &Local, sizeof Local, nullptr) != 0;
}
}  // namespace

std::vector<TListRow> ListViewRows(HANDLE Process, HWND List) {
    std::vector<TListRow> rows;
    auto* remote = static_cast<TRemoteItem*>(
        VirtualAllocEx(Process, nullptr, sizeof(TRemoteItem), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) return rows;
    const int count = static_cast<int>(SendMessageA(List, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        TRemoteItem local;
        TListRow read;
        if (ReadItem(Process, List, remote, row, 0, LVIF_TEXT, local)) read.Caption = local.Text;
        if (ReadItem(Process, List, remote, row, 1, LVIF_TEXT, local)) read.SubItem = local.Text;
        if (ReadItem(Process, List, remote, row, 0, LVIF_IMAGE, local)) read.Image = local.Item.iImage;
        rows.push_back(read);
    }
    VirtualFreeEx(Process, remote, 0, MEM_RELEASE);
    return rows;
}

std::string StatusText(HANDLE Process, HWND StatusBar) {
    char text[512] = {};
    void* remote = VirtualAllocEx(Process, nullptr, sizeof text, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return "";
    if (WriteProcessMemory(Process, remote, text, sizeof text, nullptr)) {
        SendMessageA(StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(Process, remote, text, sizeof text - 1, nullptr);
    }
    VirtualFreeEx(Process, remote, 0, MEM_RELEASE);
    return text;
}

int CountTopLevelWindows(const char* ClassName) {
    int count = 0;
    for (HWND wnd = FindWindowExA(nullptr, nullptr, ClassName, nullptr); wnd;
         wnd = FindWindowExA(nullptr, wnd, ClassName, nullptr))
        ++count;
    return count;
}

std::string WindowText(HWND Wnd) {
    char text[256] = {};
    GetWindowTextA(Wnd, text, sizeof text);
    return text;
}

std::string ClassNameOf(HWND Wnd) {
    char name[128] = {};
    GetClassNameA(Wnd, name, sizeof name);
    return name;
}

std::string ReadUserString(const char* Key, const char* Name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
    char data[512] = {};
    DWORD size = sizeof data - 1, type = 0;
    LONG error = RegQueryValueExA(key, Name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return error == ERROR_SUCCESS && type == REG_SZ ? data : "";
}

void DeleteUserKey(const char* Key) { RegDeleteKeyA(HKEY_CURRENT_USER, Key); }

long ReadUserInt(const char* Key, const char* Name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_READ, &key) != ERROR_SUCCESS) return -999;
    DWORD data = 0, size = sizeof data, type = 0;
    LONG error = RegQueryValueExA(key, Name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(key);
    return error == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long>(data) : -999;
}

namespace {
void WriteUserValue(const char* Key, const char* Name, DWORD Type, const void* Data, DWORD Size) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, Name, 0, Type, static_cast<const BYTE*>(Data), Size);
    RegCloseKey(key);
}
}  // namespace

void WriteUserInt(const char* Key, const char* Name, DWORD Value) {
    WriteUserValue(Key, Name, REG_DWORD, &Value, sizeof Value);
}

void WriteUserString(const char* Key, const char* Name, const std::string& Value) {
    WriteUserValue(Key, Name, REG_SZ, Value.c_str(), static_cast<DWORD>(Value.size() + 1));
}
