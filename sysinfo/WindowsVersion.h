#pragma once
// Which Windows the program runs on: found once at start from GetVersionExA
// and the kernel's version resource, then read by the whole program.
#include <cstdint>
#include <string>

#include "platform/RegistryApi.h"
#include "platform/SystemInfoApi.h"

enum TOsVersion {
    OsOther,
    OsWin95,
    OsWin95OSR2,
    OsWin98,
    OsWin98SE,
    OsWinME,
    OsWinNT31,
    OsWinNT35,
    OsWinNT351,
    OsWinNT4,
    OsWin2000,
    OsWinXP,
    OsWinLater,  // NT after XP, named by version, build and product type
};

struct TWindowsVersion {
    TOsVersion OsVersion = OsOther;
    uint32_t MajorVersion = 0;
    uint32_t MinorVersion = 0;  // fills in the NT names
    uint32_t BuildNumber = 0;
    bool Server = false;  // a server product type, read for the NT versions after XP
    bool OnNtPlatform = false;  // platform 2, whatever the version
    bool OnWindows98 = false;   // first edition only, not SE
    bool OnWindows2000 = false;
    bool OnWindowsXP = false;
    // Major in the high 16 bits; read on the 95 family only, else 0.
    uint32_t KernelProductVersion = 0;
};

TWindowsVersion DetectWindowsVersion(TSystemInfoApi& System);

// The program's own detection, run once at start before any window exists
// (tests may run it again on another fake system).
void InitWindowsVersion(TSystemInfoApi& System);
const TWindowsVersion& RunningWindowsVersion();

// "Windows 98 SE", "Windows NT 4.0", "Windows Server 2012 R2"...; empty for
// OsOther.
std::string OsVersionName(const TWindowsVersion& Version);

// The extended version record on 2000 and later, elsewhere the registry's
// "CSDVersion"; 0 when neither tells.
uint32_t ServicePackNumber(TSystemInfoApi& System, TRegistryApi& Registry, const TWindowsVersion& Version);
// "SP6"; empty below 1.
std::string ServicePackText(uint32_t Number);
// The name, two spaces and the service-pack text: "Windows XP  SP1".
std::string OsVersionLine(TSystemInfoApi& System, TRegistryApi& Registry, const TWindowsVersion& Version);

// The edition picture of the information page; exactly one is shown.
enum TWindowsLogo { lgWin95, lgWin98, lgWinNT, lgWin2K, lgWinXP };
TWindowsLogo WindowsLogo(const TWindowsVersion& Version);
