// The eight lines of the information page: their texts, the address lookup,
// which drives get a line and how their sizes round.
#include <gmock/gmock.h>

#include "sysinfo/SystemInfo.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeSystemInfoApi.h"

namespace {

constexpr int64_t MB = 1024 * 1024;

class SystemInfoLinesTest : public testing::Test {
protected:
    SystemInfoLinesTest() {
        System.ServicePackMajor = 1;
        System.Hosts["poste-12"] = {"10.0.0.5", "192.168.1.20"};
        System.SearchResults = {{"C:\\*.*", SEARCH_FILE_FOUND}, {"D:\\*.*", SEARCH_NO_MORE_FILES}};
        System.Spaces = {{"C:\\", {1536 * MB, 9216 * MB}}, {"D:\\", {0, 650 * MB}}};
    }
    TSystemInfoLines Lines() {
        return InfoSystemLines({System, Registry, &System}, DetectWindowsVersion(System), 512, ',');
    }

    TFakeSystemInfoApi System;
    TFakeRegistry Registry;
};

}  // namespace

TEST_F(SystemInfoLinesTest, EachLineReadsItsLabelAndValue) {
    System.CyclesPerMillisecond = 2'400'000;
    const TSystemInfoLines L = Lines();
    EXPECT_EQ(L.VersionOs, "Windows XP  SP1");
    EXPECT_EQ(L.NomMachine, "Nom Machine : POSTE-12");
    EXPECT_EQ(L.NomUtilisateur, "Nom Utilisateur : marie");
    EXPECT_EQ(L.IpAdresse, "Addresse IP : 192.168.1.20");
    EXPECT_EQ(L.DisqueC, "C:\\ : 1536 Mo libres | 9216 Mo ");
    EXPECT_EQ(L.DisqueD, "D:\\ : 0 Mo libres | 650 Mo");
    EXPECT_EQ(L.Ram, "RAM Installée : 512 MB");
    EXPECT_EQ(L.CpuSpeed, "Vitesse réelle Processeur : 2397,6 Mhz");  // 999 ms counted
}

TEST_F(SystemInfoLinesTest, AddressIsTheLastOfTheHostEntryAndSocketsAreAlwaysReleased) {
    using TList = std::vector<std::string>;
    const TList Lookup = {"StartSockets", "HostName", "HostAddresses poste-12", "CleanupSockets"};
    const struct {
        bool Starts;
        std::optional<std::string> Host;
        std::optional<TList> Addresses;  // nothing: no host entry
        const char* Address;
        TList Calls;
    } Cases[] = {
        {true, "poste-12", TList{"10.0.0.5"}, "10.0.0.5", Lookup},
        {true, "poste-12", TList{"10.0.0.5", "10.0.0.6", "172.16.0.1"}, "172.16.0.1", Lookup},
        {true, "poste-12", TList{}, "", Lookup},
        {true, "poste-12", std::nullopt, "", Lookup},
        {true, std::nullopt, std::nullopt, "", {"StartSockets", "HostName", "CleanupSockets"}},
        {false, "poste-12", std::nullopt, "", {"StartSockets"}},  // nothing to release
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Calls));
        System.Calls.clear();
        System.SocketsStart = Case.Starts;
        System.Host = Case.Host;
        System.Hosts.clear();
        if (Case.Addresses) System.Hosts["poste-12"] = *Case.Addresses;
        EXPECT_EQ(Lines().IpAdresse, std::string("Addresse IP : ") + Case.Address);
        EXPECT_EQ(System.Calls, Case.Calls);
    }
}

TEST_F(SystemInfoLinesTest, DriveHasALineWhenItsSearchFindsFilesOrNone) {
    for (const auto& [Search, Shown] : {std::pair{SEARCH_FILE_FOUND, true}, {SEARCH_FILE_NOT_FOUND, true},
                                       {SEARCH_NO_MORE_FILES, true}, {SEARCH_PATH_NOT_FOUND, false},
                                       {SEARCH_NOT_READY, false}, {5u, false}}) {
        SCOPED_TRACE(Search);
        System.SearchResults = {{"C:\\*.*", Search}, {"D:\\*.*", Search}};
        const TSystemInfoLines L = Lines();
        EXPECT_EQ(L.DisqueC.has_value(), Shown);
        EXPECT_EQ(L.DisqueD.has_value(), Shown);
    }
}

TEST_F(SystemInfoLinesTest, DriveSizesRoundToWholeMegabytesHalvesToEven) {
    const std::pair<TDiskSpace, const char*> Cases[] = {
        {{MB * 3 / 2, MB * 5 / 2}, "D:\\ : 2 Mo libres | 2 Mo"},
        {{MB * 7 / 2, MB - 1}, "D:\\ : 4 Mo libres | 1 Mo"},
        {{MB / 2 - 1, MB * 1000 + MB / 2 + 1}, "D:\\ : 0 Mo libres | 1001 Mo"},
        {{-1, -1}, "D:\\ : 0 Mo libres | 0 Mo"},  // the space cannot be queried
        {{int64_t(300) << 30, int64_t(2) << 40}, "D:\\ : 307200 Mo libres | 2097152 Mo"},
    };
    for (const auto& [Space, Line] : Cases) {
        System.Spaces["D:\\"] = Space;
        EXPECT_EQ(Lines().DisqueD, Line);
    }
}
