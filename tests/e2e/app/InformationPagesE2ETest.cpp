// The information, processor and Windows-settings lists of the real program,
// read from its windows, against what the system and cpuinfo.exe report,
// also under the Windows versions that Wine can pretend to be.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>

#include "tests/e2e/app/ProgramDriver.h"

namespace {
const char* const WindowsKey = "SYSTEM\\CurrentControlSet\\Control\\Windows";
const char* const MemoryKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char* const ProgramVersionKey = "Software\\Wine\\AppDefaults\\TorvaneXP.exe";

std::optional<DWORD> ReadMachineInt(const char* Key, const char* Name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, Key, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD data = 0, size = sizeof data, type = 0;
    const LONG error = RegQueryValueExA(key, Name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(key);
    if (error != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
    return data;
}

// Stores Value, or removes the value when there is none.
void SetMachineInt(const char* Key, const char* Name, std::optional<DWORD> Value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (Value) RegSetValueExA(key, Name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*Value), sizeof *Value);
    else RegDeleteValueA(key, Name);
    RegCloseKey(key);
}

std::string Cpuinfo() {
    std::string json;
    if (FILE* out = _popen("\"" TORVANE_CPUINFO "\"", "r")) {
        char buffer[4096];
        while (size_t n = fread(buffer, 1, sizeof buffer, out)) json.append(buffer, n);
        _pclose(out);
    }
    return json;
}

class InformationPagesE2E : public ::testing::Test {
protected:
    TProgramDriver Program;
    HWND Main = nullptr;
    void SetUp() override { ASSERT_EQ(CountTopLevelWindows("TfMainMem"), 0) << "an instance from an earlier test is still running"; }
    void Start() {
        ASSERT_TRUE(Program.Start());
        Main = Program.WaitForMainWindow();
        ASSERT_NE(Main, nullptr);
    }
    // The Windows settings' list (4 rows) and the processor's (30).
    std::vector<TListRow> List(size_t Rows) {
        for (HWND list : FindDescendants(Main, "SysListView32")) {
            auto rows = ListViewRows(Program.Process(), list);
            if (rows.size() == Rows) return rows;
        }
        return {};
    }
    bool Shown(const char* Caption) {
        HWND image = FindDescendant(Main, nullptr, Caption);
        return image && (GetWindowLongA(image, GWL_STYLE) & WS_VISIBLE);
    }
};
}  // namespace

TEST_F(InformationPagesE2E, TheLinesAndListsAreThoseOfThisSystemAndProcessor) {
    for (const char* name : {"SecondLevelDataCache", "LargeSystemCache", "IOPageLockLimit", "DisablePagingExecutive"})
        SetMachineInt(MemoryKey, name, std::nullopt);
    Start();
    char computer[256] = {}, user[256] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    size = sizeof user;
    GetUserNameA(user, &size);
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    const long long installed = std::llround(static_cast<double>(memory.ullTotalPhys) / 1048576);
    EXPECT_NE(FindDescendant(Main, "Static", std::string("Nom Machine : ") + computer), nullptr);
    EXPECT_NE(FindDescendant(Main, "Static", std::string("Nom Utilisateur : ") + user), nullptr);
    EXPECT_NE(FindDescendant(Main, "Static", "RAM Installée : " + std::to_string(installed) + " MB"), nullptr);

    // The values were made as 0 by the reading: on this machine's memory the
    // three Windows settings are not tuned; the cache's is as far as the
    // processor's second-level cache is 0.
    const std::string json = Cpuinfo();
    ASSERT_NE(json.find("\"Features\""), std::string::npos) << json;
    const bool noLevel2 = json.find("\"Level2\": 0,") != std::string::npos;
    const std::vector<TListRow> settings = List(4);
    const std::vector<TListRow> expected = {
        {"CPU", noLevel2 ? "Level 2 Cache optimisé !" : "Level 2 Cache pas optimisé !", noLevel2 ? 4 : 5},
        {"WINC", "Windows Cache pas optimisé !", 5},
        {"WINP", "Windows Paging pas optimisé !", 5},
        {"WINIO", "Windows I/O pas optimisé !", 5}};
    ASSERT_EQ(settings.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(settings[i].Caption, expected[i].Caption);
        EXPECT_EQ(settings[i].SubItem, expected[i].SubItem);
        EXPECT_EQ(settings[i].Image, expected[i].Image) << expected[i].Caption;
    }
    for (const char* name : {"LargeSystemCache", "IOPageLockLimit", "DisablePagingExecutive"})
        EXPECT_EQ(ReadMachineInt(MemoryKey, name), 0u) << name << " created by the reading";

    const std::vector<TListRow> features = List(30);
    ASSERT_EQ(features.size(), 30u);
    for (const TListRow& row : features) {
        const bool supported = json.find("\"" + row.Caption + "\": true") != std::string::npos;
        EXPECT_NE(json.find("\"" + row.Caption + "\": "), std::string::npos) << row.Caption;
        EXPECT_EQ(row.Image, supported ? 4 : 5) << row.Caption;
    }
    PostMessageA(FindDescendant(Main, "Button", "&Quitter Torvane XP"), BM_CLICK, 0, 0);
    EXPECT_EQ(Program.WaitForExit(), 0);
}

TEST_F(InformationPagesE2E, EachEmulatedWindowsGetsItsLineAndItsPicture) {
    // Put back as they were, however the test ends.
    struct TRestore {
        std::optional<DWORD> Csd = ReadMachineInt(WindowsKey, "CSDVersion");
        ~TRestore() {
            DeleteUserKey(ProgramVersionKey);
            SetMachineInt(WindowsKey, "CSDVersion", Csd);
        }
    } restore;
    struct TCase {
        const char* Version;
        std::optional<DWORD> Csd;  // what the registry says of the service pack outside 2000 and XP
        const char* Line;
        const char* Picture;
    } cases[] = {
        {"win95", std::nullopt, "Windows 95  ", "Windows 95"},
        {"nt40", 0x600, "Windows NT 4.0  SP6", "Windows NT"},
        {"winxp", 0x100, "Windows XP  SP3", "Windows XP"},  // Wine's XP has its third service pack
        {"win81", std::nullopt, "Windows 8.1  ", "Windows NT"},  // told only to a program whose manifest names it
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Version);
        WriteUserString(ProgramVersionKey, "Version", c.Version);
        SetMachineInt(WindowsKey, "CSDVersion", c.Csd);
        Start();
        EXPECT_NE(FindDescendant(Main, "Static", c.Line), nullptr);
        int shown = 0;
        for (const char* picture : {"Windows 95", "Windows 98", "Windows NT", "Windows 2000", "Windows XP"}) shown += Shown(picture);
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(Shown(c.Picture));
        PostMessageA(FindDescendant(Main, "Button", "&Quitter Torvane XP"), BM_CLICK, 0, 0);
        EXPECT_EQ(Program.WaitForExit(), 0);
    }
}
