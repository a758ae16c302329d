// The information page's system calls on the real system.
#include <gmock/gmock.h>
#include <windows.h>

#include "cpu/cpuidProcessor.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfoApi.h"
#include "sysinfo/ClockSpeed.h"
#include "sysinfo/SystemInfo.h"

using testing::AnyOf;
using testing::Eq;
using testing::MatchesRegex;

namespace {

std::string NameBy(BOOL(WINAPI* GetName)(LPSTR, LPDWORD)) {
    char Name[256] = {};
    DWORD Size = sizeof Name;
    return GetName(Name, &Size) ? Name : "";
}

class SystemInfoWin32Test : public testing::Test {
protected:
    TWin32SystemInfoApi System;
    TWin32Registry Registry;
};

}  // namespace

TEST_F(SystemInfoWin32Test, LinesTellTheSystemsNamesAndReleaseTheSockets) {
    const TSystemInfoLines Lines = InfoSystemLines({System, Registry, nullptr}, DetectWindowsVersion(System), 1, '.');
    ASSERT_NE(NameBy(GetComputerNameA), "");
    ASSERT_NE(NameBy(GetUserNameA), "");
    EXPECT_EQ(Lines.NomMachine, "Nom Machine : " + NameBy(GetComputerNameA));
    EXPECT_EQ(Lines.NomUtilisateur, "Nom Utilisateur : " + NameBy(GetUserNameA));
    EXPECT_THAT(Lines.IpAdresse, AnyOf(Eq("Addresse IP : "), MatchesRegex("Addresse IP : \\d+\\.\\d+\\.\\d+\\.\\d+")));
    EXPECT_EQ(WSACleanup(), SOCKET_ERROR);  // every start had its cleanup
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
}

TEST_F(SystemInfoWin32Test, DetectionAgreesWithThePrefixsWindows) {
    OSVERSIONINFOA Reported{};
    Reported.dwOSVersionInfoSize = sizeof Reported;
    ASSERT_TRUE(GetVersionExA(&Reported));
    ASSERT_EQ(Reported.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));  // Wine's default
    const TWindowsVersion Version = DetectWindowsVersion(System);
    EXPECT_TRUE(Version.OnNtPlatform);
    EXPECT_EQ(WindowsLogo(Version), Reported.dwMajorVersion == 5 && Reported.dwMinorVersion == 1 ? lgWinXP : lgWinNT);
    EXPECT_GE(System.KernelProductVersion() >> 16, 4u);  // read on the 95 family only, but any kernel has one
}

TEST_F(SystemInfoWin32Test, DrivesAreSearchedAndMeasuredWithoutChangingTheErrorMode) {
    char Missing = 'Y';
    while (GetLogicalDrives() & (1u << (Missing - 'A'))) --Missing;
    const UINT Before = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    EXPECT_EQ(System.FindFirstFileResult("C:\\*.*"), SEARCH_FILE_FOUND);
    EXPECT_EQ(System.FindFirstFileResult(std::string(1, Missing) + ":\\*.*"), SEARCH_PATH_NOT_FOUND);
    EXPECT_EQ(System.DiskSpace(std::string(1, Missing) + ":\\").TotalBytes, -1);
    EXPECT_EQ(SetErrorMode(Before), static_cast<UINT>(SEM_NOOPENFILEERRORBOX));

    const TDiskSpace Space = System.DiskSpace("C:\\");
    ULARGE_INTEGER Available{}, Total{}, Free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &Available, &Total, &Free));
    EXPECT_EQ(Space.TotalBytes, static_cast<int64_t>(Total.QuadPart));
    EXPECT_GT(Space.FreeBytes, 0);
    EXPECT_LE(Space.FreeBytes, Space.TotalBytes);
}

TEST_F(SystemInfoWin32Test, ClockIsMeasuredOnTheProcessorsCounter) {
    ASSERT_TRUE(RunningProcessor().Execute(1, 0).EDX & 0x10);  // a time-stamp counter
    const long double Mhz = MeasureClockMhz(System, &RunningProcessor());
    EXPECT_GT(Mhz, 100);
    EXPECT_LT(Mhz, 20000);
}
