// The Windows memory settings on the settings page: how each is judged for
// the machine, what the button writes, and the values that are not ours.
#include "tests/native/app/MainWindowFixture.h"

namespace {
const char* const MemoryManagement = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::string HKLMPath = std::string("HKLM\\") + MemoryManagement;
const char* const Restart = "Vous devez redémarrer votre système pour que les paramètres soient pris en compte...";

class WindowsSettingsTest : public MainWindowTest {
protected:
    void SetUp() override { UseProcessor("amd-athlon-model4.dump"); }  // its level 2 is 256 KB
    void StoreMemory(const char* Name, uint32_t Value) { StoreInt(MemoryManagement, Name, Value, HKEY_LOCAL_MACHINE_KEY); }
    void CreateKey() { Store(HKEY_LOCAL_MACHINE_KEY, MemoryManagement, "ClearPageFileAtShutdown", REG_DWORD_TYPE, {0, 0, 0, 0}); }
    // "CODE image text" for each row.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < Form->FeatureList->Count(); ++i) {
            const TListItem& row = Form->FeatureList->Item(i);
            rows.push_back(row.Caption() + " " + std::to_string(row.ImageIndex()) + " " + row.SubItems().at(0));
        }
        return rows;
    }
    int32_t Stored(const char* Name) const { return StoredInt(HKLMPath, Name); }
};
}  // namespace

TEST_F(WindowsSettingsTest, AFreshSystemGetsItsValuesCreatedThenTunedByTheButton) {
    CreateKey();
    Create(256 * MB);
    for (const char* name : {"SecondLevelDataCache", "LargeSystemCache", "IOPageLockLimit", "DisablePagingExecutive"})
        EXPECT_EQ(Stored(name), 0) << name;
    EXPECT_EQ(Rows(), (std::vector<std::string>{"CPU 5 Level 2 Cache pas optimisé !", "WINC 5 Windows Cache pas optimisé !",
                                                "WINP 5 Windows Paging pas optimisé !", "WINIO 5 Windows I/O pas optimisé !"}));
    EXPECT_TRUE(Form->BitBtn5->Enabled());

    Form->BitBtn5->Click();
    EXPECT_EQ(Stored("SecondLevelDataCache"), 256);
    EXPECT_EQ(Stored("LargeSystemCache"), 1);
    EXPECT_EQ(Stored("DisablePagingExecutive"), 1);
    EXPECT_EQ(Stored("IOPageLockLimit"), 21845);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"CPU 4 Level 2 Cache optimisé !", "WINC 4 Windows Cache optimisé !",
                                                "WINP 4 Windows Paging optimisé !", "WINIO 4 Windows I/O optimisé !"}));
    EXPECT_FALSE(Form->BitBtn5->Enabled());
    ASSERT_EQ(Windows.MessageBoxes.size(), 1u);
    EXPECT_EQ(Windows.MessageBoxes[0].Text, Restart);
    EXPECT_EQ(Windows.MessageBoxes[0].Caption, "Look");
    EXPECT_EQ(Windows.MessageBoxes[0].Flags, MB_OK_BUTTON);
    EXPECT_EQ(Registry.OpenHandles(), 0);
}

// Each row: installed MB, the values stored, then the rows' images and the
// button's state. The rows are CPU, WINC, WINP, WINIO.
TEST_F(WindowsSettingsTest, EachSettingIsJudgedForTheMachine) {
    struct TCase {
        uint64_t Megabytes;
        uint32_t Level2, Cache, IOLimit, Paging;
        const char* Statuses;  // one letter per row: o optimised, n not, x cannot be
        bool ButtonEnabled;
    } cases[] = {
        {64, 256, 0, 0, 0, "oxxn", true},            // I/O not tuned while its limit is 0
        {64, 256, 0, 500, 0, "oxxx", false},         // nothing left to do, with three crosses
        {95, 256, 1, 0, 1, "oxxn", true},
        {96, 256, 1, 0, 1, "ooxn", true},            // the cache can be tuned from 96 MB
        {126, 256, 1, 7, 1, "ooxx", false},
        {127, 256, 1, 10880, 1, "oooo", false},      // 85 x 128: paging and I/O from 127 MB
        {127, 256, 1, 10879, 1, "ooon", true},       // one page below the target
        {256, 256, 1, 100000, 1, "oooo", false},     // a larger limit is tuned too
        {256, 512, 0, 0, 0, "nnnn", true},
    };
    const std::map<char, std::string> level2 = {{'o', "4 Level 2 Cache optimisé !"}, {'n', "5 Level 2 Cache pas optimisé !"}};
    const std::map<char, std::string> cache = {{'o', "4 Windows Cache optimisé !"}, {'n', "5 Windows Cache pas optimisé !"},
                                               {'x', "5 Windows Cache ne peut pas être optimisé !"}};
    const std::map<char, std::string> paging = {{'o', "4 Windows Paging optimisé !"}, {'n', "5 Windows Paging pas optimisé !"},
                                                {'x', "5 Windows Paging ne peux pas être optimisé !"}};
    const std::map<char, std::string> io = {{'o', "4 Windows I/O optimisé !"}, {'n', "5 Windows I/O pas optimisé !"},
                                            {'x', "5 Windows I/O ne peut pas être optimisé !"}};
    for (const TCase& c : cases) {
        Registry = TFakeRegistry();
        StoreMemory("SecondLevelDataCache", c.Level2);
        StoreMemory("LargeSystemCache", c.Cache);
        StoreMemory("IOPageLockLimit", c.IOLimit);
        StoreMemory("DisablePagingExecutive", c.Paging);
        Create(c.Megabytes * MB);
        const std::vector<std::string> expected = {"CPU " + level2.at(c.Statuses[0]), "WINC " + cache.at(c.Statuses[1]),
                                                   "WINP " + paging.at(c.Statuses[2]), "WINIO " + io.at(c.Statuses[3])};
        EXPECT_EQ(Rows(), expected) << c.Megabytes << " MB " << c.Statuses;
        EXPECT_EQ(Form->BitBtn5->Enabled(), c.ButtonEnabled) << c.Megabytes << " MB " << c.Statuses;
    }
}

TEST_F(WindowsSettingsTest, WithoutALevel2SizeTheProcessorRowIsTunedAlready) {
    UseProcessor("no-cpuid-486.dump");
    CreateKey();
    Create(256 * MB);
    EXPECT_EQ(Rows().at(0), "CPU 4 Level 2 Cache optimisé !");
    Form->BitBtn5->Click();
    EXPECT_EQ(Stored("SecondLevelDataCache"), 0);  // written as 0 by the reading, never by the button
}

TEST_F(WindowsSettingsTest, AKeyThatCannotBeOpenedListsNothingAndStillAsksForTheRestart) {
    Create(256 * MB);  // no such key in this registry
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(Form->BitBtn5->Enabled());
    Form->BitBtn5->Click();
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(Registry.KeyExists(HKLMPath));
    ASSERT_EQ(Windows.MessageBoxes.size(), 1u);
    EXPECT_EQ(Windows.MessageBoxes[0].Text, Restart);
}

TEST_F(WindowsSettingsTest, AValueOfAnotherTypeIsLeftAsItIsAndCountsAsUnread) {
    Store(HKEY_LOCAL_MACHINE_KEY, MemoryManagement, "LargeSystemCache", REG_SZ_TYPE, {'1', 0});
    Create(256 * MB);
    const TFakeRegistry::TValue* value = Registry.Value(HKLMPath, "LargeSystemCache");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->Type, REG_SZ_TYPE);
    EXPECT_EQ(value->Data, (std::vector<uint8_t>{'1', 0}));
    EXPECT_EQ(Rows().at(1), "WINC 5 Windows Cache pas optimisé !");
}

TEST_F(WindowsSettingsTest, TheIOTargetOfAHugeMachineIsWrittenAsTheLargestLimit) {
    CreateKey();
    Create(30'000'000 * MB);  // 85 x 30,000,001 pages is past what a REG_DWORD holds
    Form->BitBtn5->Click();
    EXPECT_EQ(Stored("IOPageLockLimit"), 2147483647);
}
