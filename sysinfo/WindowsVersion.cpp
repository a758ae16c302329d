#include "sysinfo/WindowsVersion.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>

#include "core/Blanks.h"
#include "platform/PerformanceApi.h"  // the platform identifiers

namespace {

constexpr uint32_t WindowsMeKernel = 0x0004005A;  // 4.90
constexpr const char* CsdVersionKey = "SYSTEM\\CurrentControlSet\\Control\\Windows";

// Indexed by TOsVersion; the NT names take the minor version.
constexpr const char* VersionNames[] = {
    "",
    "Windows 95",
    "Windows 95 OSR2",
    "Windows 98",
    "Windows 98 SE",
    "Windows ME",
    "Windows NT 3.%u",
    "Windows NT 3.%u",
    "Windows NT 3.%u",
    "Windows NT 4.%u",
    "Windows 2000",
    "Windows XP",
    nullptr,  // from LaterNames
};
static_assert(std::size(VersionNames) == OsWinLater + 1);

// The NT versions after XP: a row names its version from its build on, until
// a later row of the same version takes over.
struct TLaterName {
    uint32_t Major, Minor, FromBuild;
    const char* Workstation;
    const char* Server;
};
constexpr TLaterName LaterNames[] = {
    {5, 2, 0, "Windows XP", "Windows Server 2003"},  // XP x64 is a 5.2 workstation
    {6, 0, 0, "Windows Vista", "Windows Server 2008"},
    {6, 1, 0, "Windows 7", "Windows Server 2008 R2"},
    {6, 2, 0, "Windows 8", "Windows Server 2012"},
    {6, 3, 0, "Windows 8.1", "Windows Server 2012 R2"},
    {10, 0, 0, "Windows 10", "Windows Server 2016"},
    {10, 0, 17763, "Windows 10", "Windows Server 2019"},
    {10, 0, 20348, "Windows 10", "Windows Server 2022"},
    {10, 0, 22000, "Windows 11", "Windows Server 2022"},
    {10, 0, 26100, "Windows 11", "Windows Server 2025"},
};

std::string LaterName(const TWindowsVersion& Version) {
    const TLaterName* Found = nullptr;
    for (const TLaterName& Row : LaterNames)
        if (Row.Major == Version.MajorVersion && Row.Minor == Version.MinorVersion &&
            Row.FromBuild <= Version.BuildNumber)
            Found = &Row;
    if (Found) return Version.Server ? Found->Server : Found->Workstation;
    return "Windows NT " + std::to_string(Version.MajorVersion) + "." + std::to_string(Version.MinorVersion);
}

TWindowsVersion Running;

TOsVersion Windows95Family(uint32_t Minor, const std::string& ServicePack, uint32_t KernelVersion) {
    if (Minor < 10) return ServicePack == "B" ? OsWin95OSR2 : OsWin95;
    if (Minor < 90) {
        // A minor from 10 may still be Windows Me, whose kernel says 4.90.
        if (KernelVersion == WindowsMeKernel) return OsWinME;
        return ServicePack == "A" ? OsWin98SE : OsWin98;
    }
    return Minor == 90 ? OsWinME : OsOther;
}

TOsVersion NtFamily(uint32_t Major, uint32_t Minor) {
    if (Major == 3) {
        switch (Minor) {
        case 1: return OsWinNT31;
        case 5: return OsWinNT35;
        case 51: return OsWinNT351;
        default: return OsOther;
        }
    }
    if (Major == 4) return OsWinNT4;
    if (Major == 5 && Minor == 0) return OsWin2000;
    if (Major == 5 && Minor == 1) return OsWinXP;
    return Major > 5 || (Major == 5 && Minor > 1) ? OsWinLater : OsOther;
}

// The DWORD "CSDVersion", or 0 when the key or a DWORD value is missing.
uint32_t CsdVersionValue(TRegistryApi& Registry) {
    THKey Key = 0;
    if (Registry.OpenKey(HKEY_LOCAL_MACHINE_KEY, CsdVersionKey, Key, KEY_READ_RIGHTS) != REG_NO_ERROR) return 0;
    uint32_t Type = 0;
    std::vector<uint8_t> Data;
    const long Result = Registry.QueryValue(Key, "CSDVersion", Type, Data);
    Registry.CloseKey(Key);
    if (Result != REG_NO_ERROR || Type != REG_DWORD_TYPE || Data.size() < 4) return 0;
    return Data[0] | Data[1] << 8 | Data[2] << 16 | static_cast<uint32_t>(Data[3]) << 24;
}

// The value's hexadecimal digits read as a decimal number of hundredths:
// 0x0600 is service pack 6. Digits holding a letter cannot be read that way;
// the high byte, where the system keeps the service pack, stands then.
uint32_t CsdServicePack(uint32_t Value) {
    char Digits[16];
    std::snprintf(Digits, sizeof Digits, "%04X", Value);
    const std::string Text = Digits;
    if (std::all_of(Text.begin(), Text.end(), [](unsigned char C) { return std::isdigit(C); }))
        return std::stoul(Text) / 100;
    return (Value >> 8) & 0xFF;
}

}  // namespace

TWindowsVersion DetectWindowsVersion(TSystemInfoApi& System) {
    TOsVersionInfo Info;
    if (!System.GetVersion(Info)) Info = {};
    TWindowsVersion Result;
    Result.MajorVersion = Info.MajorVersion;
    Result.MinorVersion = Info.MinorVersion;
    Result.BuildNumber = Info.BuildNumber;
    Result.OnNtPlatform = Info.PlatformId == VER_PLATFORM_WIN32_NT_ID;
    if (!Result.OnNtPlatform) Result.KernelProductVersion = System.KernelProductVersion();
    if (Info.PlatformId == VER_PLATFORM_WIN32_WINDOWS_ID)
        Result.OsVersion = Windows95Family(Info.MinorVersion, TrimBlanks(Info.CSDVersion), Result.KernelProductVersion);
    else if (Result.OnNtPlatform)
        Result.OsVersion = NtFamily(Info.MajorVersion, Info.MinorVersion);
    // Servers and workstations share their versions after XP.
    TOsVersionInfoEx Extended;
    if (Result.OsVersion == OsWinLater && System.GetExtendedVersion(Extended))
        Result.Server =
            Extended.ProductType == VER_NT_SERVER_TYPE || Extended.ProductType == VER_NT_DOMAIN_CONTROLLER_TYPE;
    Result.OnWindows98 = Result.OsVersion == OsWin98;
    Result.OnWindows2000 = Result.OsVersion == OsWin2000;
    Result.OnWindowsXP = Result.OsVersion == OsWinXP;
    return Result;
}

void InitWindowsVersion(TSystemInfoApi& System) { Running = DetectWindowsVersion(System); }

const TWindowsVersion& RunningWindowsVersion() { return Running; }

std::string OsVersionName(const TWindowsVersion& Version) {
    if (Version.OsVersion == OsWinLater) return LaterName(Version);
    char Name[32];
    std::snprintf(Name, sizeof Name, VersionNames[Version.OsVersion], Version.MinorVersion);
    return Name;
}

uint32_t ServicePackNumber(TSystemInfoApi& System, TRegistryApi& Registry, const TWindowsVersion& Version) {
    if (Version.OnWindows2000 || Version.OnWindowsXP || Version.OsVersion == OsWinLater) {
        TOsVersionInfoEx Extended;
        return System.GetExtendedVersion(Extended) ? Extended.ServicePackMajor : 0;
    }
    return CsdServicePack(CsdVersionValue(Registry));
}

std::string ServicePackText(uint32_t Number) { return Number < 1 ? std::string() : "SP" + std::to_string(Number); }

std::string OsVersionLine(TSystemInfoApi& System, TRegistryApi& Registry, const TWindowsVersion& Version) {
    return OsVersionName(Version) + " " + " " + ServicePackText(ServicePackNumber(System, Registry, Version));
}

TWindowsLogo WindowsLogo(const TWindowsVersion& Version) {
    if (Version.OnWindowsXP) return lgWinXP;
    if (Version.OnWindows2000) return lgWin2K;
    if (Version.OnNtPlatform) return lgWinNT;
    if (Version.OnWindows98) return lgWin98;
    return lgWin95;
}
