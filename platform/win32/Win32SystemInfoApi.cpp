#include "platform/win32/Win32SystemInfoApi.h"

#include <windows.h>
#include <winsock.h>

#include <cstring>

namespace {

using TGetDiskFreeSpaceExA = BOOL(WINAPI*)(LPCSTR Root, PULARGE_INTEGER FreeToCaller, PULARGE_INTEGER Total,
                                           PULARGE_INTEGER Free);

// Windows 95 OSR2 and NT 4 onwards: looked up, not imported, so that the
// program still loads on the first Windows 95.
TGetDiskFreeSpaceExA DiskFreeSpaceEx() {
    static const auto Function = reinterpret_cast<TGetDiskFreeSpaceExA>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA")));
    return Function;
}

// A drive without its disk fails the call instead of asking the user for one.
class TNoDiskBox {
public:
    TNoDiskBox() : FPrevious(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~TNoDiskBox() { ::SetErrorMode(FPrevious); }
    TNoDiskBox(const TNoDiskBox&) = delete;
    TNoDiskBox& operator=(const TNoDiskBox&) = delete;

private:
    UINT FPrevious;
};

// GetComputerNameA and GetUserNameA: a buffer of 255 characters.
template <typename TGetName>
std::string NameFrom(TGetName GetName) {
    char Name[256] = {};
    DWORD Size = 255;
    return GetName(Name, &Size) ? std::string(Name) : std::string();
}

}  // namespace

bool TWin32SystemInfoApi::GetVersion(TOsVersionInfo& Info) {
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    OSVERSIONINFOA Version{};
    Version.dwOSVersionInfoSize = sizeof(Version);
    if (!::GetVersionExA(&Version)) return false;
    Info = {Version.dwPlatformId, Version.dwMajorVersion, Version.dwMinorVersion, Version.szCSDVersion,
            Version.dwBuildNumber};
    return true;
}

bool TWin32SystemInfoApi::GetExtendedVersion(TOsVersionInfoEx& Info) {
    static_assert(sizeof(OSVERSIONINFOEXA) == 156);
    OSVERSIONINFOEXA Version{};
    Version.dwOSVersionInfoSize = sizeof(Version);
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&Version))) return false;
    Info = {Version.wServicePackMajor, Version.wProductType};
    return true;
}

uint32_t TWin32SystemInfoApi::KernelProductVersion() {
    char Path[MAX_PATH + 1] = {};
    const HMODULE Kernel = ::GetModuleHandleA("kernel32.dll");
    if (!Kernel || !::GetModuleFileNameA(Kernel, Path, sizeof Path)) return 0;
    DWORD Handle = 0;
    const DWORD Size = ::GetFileVersionInfoSizeA(Path, &Handle);
    if (Size == 0) return 0;
    std::vector<char> Data(Size);
    if (!::GetFileVersionInfoA(Path, 0, Size, Data.data())) return 0;
    void* Fixed = nullptr;
    UINT Length = 0;
    if (!::VerQueryValueA(Data.data(), "\\", &Fixed, &Length) || Length != sizeof(VS_FIXEDFILEINFO)) return 0;
    static_assert(sizeof(VS_FIXEDFILEINFO) == 52);
    return static_cast<const VS_FIXEDFILEINFO*>(Fixed)->dwProductVersionMS;
}

std::string TWin32SystemInfoApi::ComputerName() { return NameFrom(::GetComputerNameA); }

std::string TWin32SystemInfoApi::UserName() { return NameFrom(::GetUserNameA); }

bool TWin32SystemInfoApi::StartSockets() {
    WSADATA Data{};
    return ::WSAStartup(0x0101, &Data) == 0;
}

std::optional<std::string> TWin32SystemInfoApi::HostName() {
    char Name[256] = {};  // room for the longest name a host may have
    if (::gethostname(Name, sizeof Name) != 0) return std::nullopt;
    return std::string(Name);
}

std::optional<std::vector<std::string>> TWin32SystemInfoApi::HostAddresses(const std::string& HostName) {
    const hostent* Entry = ::gethostbyname(HostName.c_str());
    if (!Entry) return std::nullopt;
    std::vector<std::string> Addresses;
    for (char** Address = Entry->h_addr_list; Address && *Address; ++Address) {
        in_addr Value{};
        std::memcpy(&Value, *Address, sizeof Value);
        Addresses.emplace_back(::inet_ntoa(Value));
    }
    return Addresses;
}

void TWin32SystemInfoApi::CleanupSockets() { ::WSACleanup(); }

uint32_t TWin32SystemInfoApi::FindFirstFileResult(const std::string& Pattern) {
    const TNoDiskBox NoBox;
    WIN32_FIND_DATAA Found{};
    const HANDLE Search = ::FindFirstFileA(Pattern.c_str(), &Found);
    if (Search == INVALID_HANDLE_VALUE) return ::GetLastError();
    ::FindClose(Search);
    return SEARCH_FILE_FOUND;
}

TDiskSpace TWin32SystemInfoApi::DiskSpace(const std::string& Root) {
    const TNoDiskBox NoBox;
    if (const TGetDiskFreeSpaceExA Function = DiskFreeSpaceEx()) {
        ULARGE_INTEGER FreeToCaller{}, Total{}, Free{};
        if (!Function(Root.c_str(), &FreeToCaller, &Total, &Free)) return {};
        return {static_cast<int64_t>(FreeToCaller.QuadPart), static_cast<int64_t>(Total.QuadPart)};
    }
    DWORD SectorsPerCluster = 0, BytesPerSector = 0, FreeClusters = 0, TotalClusters = 0;
    if (!::GetDiskFreeSpaceA(Root.c_str(), &SectorsPerCluster, &BytesPerSector, &FreeClusters, &TotalClusters))
        return {};
    const int64_t Cluster = static_cast<int64_t>(SectorsPerCluster) * BytesPerSector;
    return {Cluster * FreeClusters, Cluster * TotalClusters};
}

uint32_t TWin32SystemInfoApi::GetTickCount() { return ::GetTickCount(); }
