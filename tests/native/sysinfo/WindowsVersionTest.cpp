// Which Windows a reported version is, the name and picture it gets, and
// where its service pack comes from.
#include <gmock/gmock.h>

#include "sysinfo/WindowsVersion.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeSystemInfoApi.h"

namespace {

constexpr uint32_t Kernel98 = 0x0004000A, KernelMe = 0x0004005A;

struct TReported {
    uint32_t PlatformId, Major, Minor;
    const char* ServicePack;
    uint32_t Kernel;
};

TFakeSystemInfoApi Reporting(const TReported& R) {
    TFakeSystemInfoApi System;
    System.Version = TOsVersionInfo{R.PlatformId, R.Major, R.Minor, R.ServicePack};
    System.KernelVersion = R.Kernel;
    return System;
}

}  // namespace

TEST(WindowsVersionTest, ReportedVersionsGiveTheirWindowsNameAndPicture) {
    const struct {
        TReported Reported;
        TOsVersion Expected;
        const char* Name;
        TWindowsLogo Logo;
    } Cases[] = {
        {{1, 4, 0, "", Kernel98}, OsWin95, "Windows 95", lgWin95},
        {{1, 4, 0, " B ", Kernel98}, OsWin95OSR2, "Windows 95 OSR2", lgWin95},
        {{1, 4, 9, "A", Kernel98}, OsWin95, "Windows 95", lgWin95},
        {{1, 4, 10, "", Kernel98}, OsWin98, "Windows 98", lgWin98},
        {{1, 4, 10, " A ", Kernel98}, OsWin98SE, "Windows 98 SE", lgWin95},
        {{1, 4, 10, "\tA\r\n", Kernel98}, OsWin98SE, "Windows 98 SE", lgWin95},
        {{1, 4, 10, " A ", KernelMe}, OsWinME, "Windows ME", lgWin95},
        {{1, 4, 89, "", 0}, OsWin98, "Windows 98", lgWin98},
        {{1, 4, 90, "", 0}, OsWinME, "Windows ME", lgWin95},
        {{1, 4, 91, "", 0}, OsOther, "", lgWin95},
        {{2, 3, 1, "", 0}, OsWinNT31, "Windows NT 3.1", lgWinNT},
        {{2, 3, 5, "", 0}, OsWinNT35, "Windows NT 3.5", lgWinNT},
        {{2, 3, 51, "", 0}, OsWinNT351, "Windows NT 3.51", lgWinNT},
        {{2, 3, 50, "", 0}, OsOther, "", lgWinNT},
        {{2, 4, 0, "Service Pack 6", 0}, OsWinNT4, "Windows NT 4.0", lgWinNT},
        {{2, 5, 0, "", 0}, OsWin2000, "Windows 2000", lgWin2K},
        {{2, 5, 1, "Service Pack 2", 0}, OsWinXP, "Windows XP", lgWinXP},
        {{2, 5, 2, "", 0}, OsWinLater, "Windows XP", lgWinNT},  // x64: a workstation where the type is unknown
        {{2, 6, 1, "", 0}, OsWinLater, "Windows 7", lgWinNT},
        {{0, 3, 10, "", 0}, OsOther, "", lgWin95},  // Win32s
    };
    for (const auto& Case : Cases) {
        const TReported& R = Case.Reported;
        SCOPED_TRACE(testing::Message() << R.PlatformId << " " << R.Major << "." << R.Minor << " [" << R.ServicePack
                                        << "] kernel " << std::hex << R.Kernel);
        TFakeSystemInfoApi System = Reporting(R);
        const TWindowsVersion Version = DetectWindowsVersion(System);
        EXPECT_EQ(Version.OsVersion, Case.Expected);
        EXPECT_EQ(OsVersionName(Version), Case.Name);
        EXPECT_EQ(WindowsLogo(Version), Case.Logo);
    }
}

TEST(WindowsVersionTest, LaterNtVersionsAreNamedByVersionBuildAndProductType) {
    constexpr uint8_t Desktop = VER_NT_WORKSTATION_TYPE, Server = VER_NT_SERVER_TYPE;
    const struct {
        uint32_t Major, Minor, Build;
        std::optional<uint8_t> ProductType;  // nothing: the extended record cannot be read
        const char* Name;
    } Cases[] = {
        {5, 2, 3790, Desktop, "Windows XP"},
        {5, 2, 3790, Server, "Windows Server 2003"},
        {5, 2, 3790, VER_NT_DOMAIN_CONTROLLER_TYPE, "Windows Server 2003"},
        {6, 0, 6002, Desktop, "Windows Vista"},
        {6, 0, 6002, Server, "Windows Server 2008"},
        {6, 1, 7601, Desktop, "Windows 7"},
        {6, 1, 7601, Server, "Windows Server 2008 R2"},
        {6, 1, 7601, std::nullopt, "Windows 7"},
        {6, 2, 9200, Desktop, "Windows 8"},
        {6, 2, 9200, Server, "Windows Server 2012"},
        {6, 3, 9600, Desktop, "Windows 8.1"},
        {6, 3, 9600, Server, "Windows Server 2012 R2"},
        {10, 0, 10240, Desktop, "Windows 10"},
        {10, 0, 21999, Desktop, "Windows 10"},
        {10, 0, 22000, Desktop, "Windows 11"},
        {10, 0, 26100, Desktop, "Windows 11"},
        {10, 0, 14393, Server, "Windows Server 2016"},
        {10, 0, 17762, Server, "Windows Server 2016"},
        {10, 0, 17763, Server, "Windows Server 2019"},
        {10, 0, 20347, Server, "Windows Server 2019"},
        {10, 0, 20348, Server, "Windows Server 2022"},
        {10, 0, 26099, Server, "Windows Server 2022"},
        {10, 0, 26100, Server, "Windows Server 2025"},
        {6, 4, 9841, Desktop, "Windows NT 6.4"},
        {11, 0, 30000, Server, "Windows NT 11.0"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Major << "." << Case.Minor << "." << Case.Build << " type "
                                        << int(Case.ProductType.value_or(0)));
        TFakeSystemInfoApi System;
        System.Version = TOsVersionInfo{2, Case.Major, Case.Minor, "", Case.Build};
        if (Case.ProductType) System.ServicePackMajor = 0, System.ProductType = *Case.ProductType;
        const TWindowsVersion Version = DetectWindowsVersion(System);
        EXPECT_EQ(OsVersionName(Version), Case.Name);
        EXPECT_EQ(WindowsLogo(Version), lgWinNT);
        EXPECT_FALSE(Version.OnWindowsXP || Version.OnWindows2000);
    }
}

TEST(WindowsVersionTest, KernelVersionIsReadOffNtOnlyAndTheStartDetectionIsKept) {
    TFakeSystemInfoApi Me = Reporting({1, 4, 90, "", KernelMe}), Server = Reporting({2, 5, 2, "", KernelMe});
    EXPECT_EQ(DetectWindowsVersion(Me).KernelProductVersion, KernelMe);
    EXPECT_EQ(DetectWindowsVersion(Server).KernelProductVersion, 0u);
    EXPECT_EQ(Server.KernelVersionReads, 0);

    TFakeSystemInfoApi Unknown;
    Unknown.Version.reset();
    EXPECT_EQ(DetectWindowsVersion(Unknown).OsVersion, OsOther);
    InitWindowsVersion(Server);
    EXPECT_TRUE(RunningWindowsVersion().OnNtPlatform);
    EXPECT_FALSE(RunningWindowsVersion().OnWindows2000 || RunningWindowsVersion().OnWindowsXP);
}

TEST(WindowsVersionTest, VersionLineCarriesTheServicePackOfItsSource) {
    const TReported Nt4{2, 4, 0, "Service Pack 6", 0}, Xp{2, 5, 1, "", 0}, W2000{2, 5, 0, "", 0};
    const struct {
        TReported Reported;
        std::optional<uint32_t> ExtendedRecord;  // nothing: the call fails
        uint32_t CsdType;                        // 0: no "Windows" key at all
        std::vector<uint8_t> CsdData;
        const char* Line;
    } Cases[] = {
        {Xp, 2, REG_DWORD_TYPE, {0, 6, 0, 0}, "Windows XP  SP2"},  // the extended record, not the registry
        {W2000, 0, 0, {}, "Windows 2000  "},
        {W2000, std::nullopt, REG_DWORD_TYPE, {0, 3, 0, 0}, "Windows 2000  "},
        {Nt4, 5, REG_DWORD_TYPE, {0, 6, 0, 0}, "Windows NT 4.0  SP6"},
        {Nt4, std::nullopt, REG_DWORD_TYPE, {0, 1, 0, 0}, "Windows NT 4.0  SP1"},
        {Nt4, std::nullopt, REG_DWORD_TYPE, {0x50, 6, 0, 0}, "Windows NT 4.0  SP6"},  // 650 hundredths
        {Nt4, std::nullopt, REG_DWORD_TYPE, {0, 0x0A, 0, 0}, "Windows NT 4.0  SP10"},  // a letter: the high byte
        {Nt4, std::nullopt, REG_SZ_TYPE, {'6', 0}, "Windows NT 4.0  "},
        {Nt4, std::nullopt, 0, {}, "Windows NT 4.0  "},
        {{2, 5, 2, "", 0}, 2, REG_DWORD_TYPE, {0, 1, 0, 0}, "Windows XP  SP2"},  // later ones: the extended record
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Line);
        TFakeSystemInfoApi System = Reporting(Case.Reported);
        System.ServicePackMajor = Case.ExtendedRecord;
        TFakeRegistry Registry;
        if (Case.CsdType) {
            THKey Key = 0;
            Registry.CreateKey(HKEY_LOCAL_MACHINE_KEY, "SYSTEM\\CurrentControlSet\\Control\\Windows", Key);
            Registry.SetValue(Key, "CSDVersion", Case.CsdType, Case.CsdData);
            Registry.CloseKey(Key);
        }
        EXPECT_EQ(OsVersionLine(System, Registry, DetectWindowsVersion(System)), Case.Line);
        EXPECT_EQ(Registry.OpenHandles(), 0);
        for (const TFakeRegistry::TOpen& Open : Registry.Opens()) EXPECT_EQ(Open.Access, KEY_READ_RIGHTS);
    }
}
