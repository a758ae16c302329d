#include "platform/win32/Win32FileSystem.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <memory>

bool TWin32FileSystem::FileExists(const std::string& FileName) {
    const DWORD attributes = GetFileAttributesA(FileName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Reads one byte past the limit, so that a larger file is told apart
// without reading it all.
std::optional<std::string> TWin32FileSystem::ReadText(const std::string& FileName, size_t MaxBytes) {
    if (!FileExists(FileName)) return std::nullopt;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(FileName.c_str(), "rb"), std::fclose);
    if (!file) return std::nullopt;
    std::string text;
    char chunk[16384];
    size_t n;
    while (text.size() <= MaxBytes && (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) text.append(chunk, n);
    if (std::ferror(file.get()) || text.size() > MaxBytes) return std::nullopt;
    return text;
}

bool TWin32FileSystem::RemoveFile(const std::string& FileName) { return DeleteFileA(FileName.c_str()) != 0; }

// MoveFileExA replaces in one step on the NT family; Windows 95, 98 and Me
// export it only to fail, and there the old file goes first.
bool TWin32FileSystem::MoveFileOver(const std::string& Source, const std::string& Target) {
    using TMoveFileEx = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    static auto moveEx = reinterpret_cast<TMoveFileEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExA")));
    if (moveEx) {
        if (moveEx(Source.c_str(), Target.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
    }
    if (FileExists(Target) && !DeleteFileA(Target.c_str())) return false;
    return MoveFileA(Source.c_str(), Target.c_str()) != 0;
}

std::string TWin32FileSystem::CreateTempFile(const std::string& Folder) {
    char path[MAX_PATH] = {};
    if (!GetTempFileNameA(Folder.c_str(), "nws", 0, path)) return {};
    return path;
}

std::string TWin32FileSystem::TempFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof path, path);
    if (length == 0 || length >= sizeof path) return {};
    return path;
}

bool TWin32FileSystem::AppendText(const std::string& FileName, const std::string& Text) {
    HANDLE file = CreateFileA(FileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool done = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                      WriteFile(file, Text.data(), static_cast<DWORD>(Text.size()), &written, nullptr) &&
                      written == Text.size();
    CloseHandle(file);
    return done;
}

bool TWin32FileSystem::CreateFolder(const std::string& Folder) {
    if (CreateDirectoryA(Folder.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesA(Folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// SHGetSpecialFolderPathA comes with shell32 4.71 (Internet Explorer 4):
// looked up, so that the program still loads on the first Windows 95.
std::string TWin32FileSystem::AppDataFolder() {
    using TGetFolder = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (!shell) return {};
    auto getFolder = reinterpret_cast<TGetFolder>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathA")));
    char path[MAX_PATH + 1] = {};
    std::string folder;
    if (getFolder && getFolder(nullptr, path, CSIDL_APPDATA, TRUE) && path[0]) {
        folder = path;
        if (folder.back() != '\\') folder += '\\';
    }
    FreeLibrary(shell);
    return folder;
}
