// The settings: their defaults, what a save writes, how a load applies the
// stored values (held to the controls' ranges, each read on its own), and
// the two boxes that write at once.
#include "tests/native/app/MainWindowFixture.h"

namespace {
const char* const Settings = "Software\\Torvane XP\\settings";
const char* const Recover = "Software\\Torvane XP\\settings\\Recover Property";
const char* const RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const Explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
std::string HKCU(const char* Path) { return std::string("HKCU\\") + Path; }

class SettingsTest : public MainWindowTest {
protected:
    // The settings' controls as text.
    std::string Controls() const {
        auto flag = [](const TCheckBox* b) { return b->Checked() ? "x" : "."; };
        const int method = Form->RadioButton1->Checked() ? 1 : Form->RadioButton2->Checked() ? 2 : 3;
        return "MB " + std::to_string(Form->TrackBar1->Position()) + " top " + flag(Form->CheckBox2) + " start " +
               flag(Form->CheckBox1) + " opacity " + std::to_string(Form->TrackBar2->Position()) + " method " +
               std::to_string(method) + " alarm " + flag(Form->CheckBox3) + std::to_string(Form->SpinEdit1->Value()) +
               " every " + flag(Form->CheckBox5) + std::to_string(Form->SpinEdit2->Value()) + " cpu " +
               std::to_string(Form->SpinEdit3->Value()) + " dll " + flag(Form->CDechargeDll);
    }
};
}  // namespace

TEST_F(SettingsTest, TheFirstRunKeepsTheDefaultsAndItsExitWritesThemAllWithTheRunEntry) {
    Create(512 * MB);
    EXPECT_EQ(Controls(), "MB 256 top x start x opacity 255 method 1 alarm x35 every .45 cpu 15 dll .");
    EXPECT_TRUE(Form->TopMost());
    Form->exit_appli();
    const std::pair<const char*, int32_t> settings[] = {{"Recover MB", 256}, {"StayOnTop", 1}, {"StartWithWindows", 1},
                                                        {"Opacite", 255}, {"Recover Method", 1}};
    for (auto [name, value] : settings) EXPECT_EQ(StoredInt(HKCU(Settings), name), value) << name;
    const std::pair<const char*, int32_t> recover[] = {{"Free%", 1}, {"Pourcentage", 35}, {"Time", 0}, {"Time value", 45}, {"Pcpu", 15}};
    for (auto [name, value] : recover) EXPECT_EQ(StoredInt(HKCU(Recover), name), value) << name;
    EXPECT_EQ(Registry.StringValue(HKCU(RunKey), "TorvaneXp"), "\"C:\\Programmes\\Torvane\\TorvaneXP.exe\"");
    EXPECT_EQ(Registry.OpenHandles(), 0);
}

TEST_F(SettingsTest, StoredValuesAreHeldToTheControlsRangesAndOddMethodsChangeNothing) {
    const std::pair<const char*, uint32_t> stored[] = {{"Recover MB", 9999}, {"Opacite", 5}, {"Recover Method", 4},
                                                       {"StayOnTop", 0}, {"StartWithWindows", 7}};
    for (auto [name, value] : stored) StoreInt(Settings, name, value);
    StoreInt(Recover, "Pourcentage", 150);
    StoreInt(Recover, "Time", 1);
    StoreInt(Recover, "Time value", static_cast<uint32_t>(-5));
    Create(512 * MB);
    EXPECT_EQ(Controls(), "MB 512 top . start x opacity 20 method 1 alarm x100 every x-5 cpu 15 dll .");
    EXPECT_EQ(Form->TrackBar2->Hint(), "8%");
    EXPECT_EQ(Form->AlphaBlendValue(), 20);
    EXPECT_FALSE(Form->TopMost());
    EXPECT_FALSE(Form->Timer5->Running()) << "an interval of no minutes never fires";

    App.reset();  // its exit saves: the next values go in after it
    StoreInt(Settings, "Recover Method", 2);
    Create(512 * MB);
    EXPECT_TRUE(Form->RadioButton2->Checked());
    EXPECT_TRUE(Form->TrackBar1->Enabled());
    App.reset();
    StoreInt(Settings, "Recover Method", 0);
    Create(512 * MB);
    EXPECT_TRUE(Form->RadioButton1->Checked());
}

TEST_F(SettingsTest, AMissingOrMistypedValueLeavesItsControlAndLoadingGoesOn) {
    Store(HKEY_CURRENT_USER_KEY, Settings, "Opacite", REG_SZ_TYPE, {'1', '0', '0', 0});  // not an integer
    StoreInt(Settings, "Recover Method", 3);                                          // "Recover MB" missing
    StoreInt(Recover, "Pourcentage", 60);
    StoreInt(Recover, "Time value", 10);
    StoreInt(Recover, "Free%", 0);  // "Pcpu" missing, before it in the reading order
    StoreInt(Recover, "Time", 1);
    Create(512 * MB);
    EXPECT_EQ(Controls(), "MB 256 top x start x opacity 255 method 3 alarm .60 every x10 cpu 15 dll .");
    EXPECT_TRUE(Windows.MessageBoxes.empty()) << "nothing is shown";
    EXPECT_FALSE(Form->BitBtn3->Enabled()) << "the creation went to its end";
    EXPECT_EQ(Form->Timer5->Interval(), 600'000u);
}

TEST_F(SettingsTest, TheRunEntryFollowsItsBoxAtOnceAndAtEverySave) {
    Store(HKEY_CURRENT_USER_KEY, RunKey, "TorvaneXp", REG_SZ_TYPE, {'o', 'l', 'd', 0});
    StoreInt(Settings, "StartWithWindows", 0);
    Create(512 * MB);
    EXPECT_EQ(Registry.Value(HKCU(RunKey), "TorvaneXp"), nullptr) << "loaded off: deleted while loading";
    Form->CheckBox1->SetChecked(true);  // the user's change writes at once
    EXPECT_EQ(Registry.StringValue(HKCU(RunKey), "TorvaneXp"), "\"C:\\Programmes\\Torvane\\TorvaneXP.exe\"");
    Form->CheckBox1->SetChecked(false);
    EXPECT_EQ(Registry.Value(HKCU(RunKey), "TorvaneXp"), nullptr);
    Form->SkinButton2->Click();
    EXPECT_EQ(StoredInt(HKCU(Settings), "StartWithWindows"), 0);
}

TEST_F(SettingsTest, LibraryUnloadingIsMachineWideAndNeedsTheRightToWriteIt) {
    StoreInt(Explorer, "AlwaysUnloadDLL", 1, HKEY_LOCAL_MACHINE_KEY);
    Create(512 * MB);
    EXPECT_TRUE(Form->CDechargeDll->Checked());
    Form->CDechargeDll->SetChecked(false);  // the keyboard: nothing yet
    EXPECT_EQ(StoredInt(std::string("HKLM\\") + Explorer, "AlwaysUnloadDLL"), 1);
    Form->CDechargeDll->MouseUp(mbLeft, 0, 2, 2);
    EXPECT_EQ(StoredInt(std::string("HKLM\\") + Explorer, "AlwaysUnloadDLL"), 0);

    Registry.DenyWrites(std::string("HKLM\\") + Explorer);  // a user without the right
    Form->CDechargeDll->SetChecked(true);
    Form->CDechargeDll->MouseUp(mbLeft, 0, 2, 2);
    Form->SkinButton2->Click();
    EXPECT_EQ(StoredInt(std::string("HKLM\\") + Explorer, "AlwaysUnloadDLL"), 0);
    EXPECT_EQ(Registry.OpenHandles(), 0);
}
