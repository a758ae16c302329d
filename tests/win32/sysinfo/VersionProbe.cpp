// Prints the detected version line and picture, for emulated-versions.sh.
#include <cstdio>

#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfoApi.h"
#include "sysinfo/WindowsVersion.h"

int main() {
    const char* const Logos[] = {"LogoWin95", "LogoWin98", "LogoWinNT", "LogoWin2K", "LogoWinXP"};
    TWin32SystemInfoApi System;
    TWin32Registry Registry;
    InitWindowsVersion(System);
    const TWindowsVersion& Version = RunningWindowsVersion();
    std::printf("[%s] %s\n", OsVersionLine(System, Registry, Version).c_str(), Logos[WindowsLogo(Version)]);
}
