#include "ui/Registry.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeRegistry.h"

class RegistryTest : public ::testing::Test {
protected:
    TFakeRegistry Api;
    TRegistry Reg{Api};
};

TEST_F(RegistryTest, OpensWithOrWithoutCreatingAndClosesItsKeys) {
    EXPECT_FALSE(Reg.OpenKey("\\Software\\Torvane XP\\settings", false));
    EXPECT_FALSE(Api.KeyExists("HKCU\\Software\\Torvane XP\\settings"));
    ASSERT_TRUE(Reg.OpenKey("\\Software\\Torvane XP\\settings", true));
    Reg.WriteInteger("StayOnTop", 1);
    // A path without a backslash goes below the open key.
    ASSERT_TRUE(Reg.OpenKey("Recover Property", true));
    EXPECT_TRUE(Api.KeyExists("HKCU\\Software\\Torvane XP\\settings\\Recover Property"));
    Reg.CloseKey();
    EXPECT_EQ(Api.OpenHandles(), 0);
    Reg.SetRootKey(HKEY_LOCAL_MACHINE_KEY);
    EXPECT_FALSE(Reg.OpenKey("Software\\Torvane XP\\settings", false));
}

TEST_F(RegistryTest, ReadingNamesTheValueThatIsMissingOrOfAnotherType) {
    ASSERT_TRUE(Reg.OpenKey("\\Software\\Torvane XP\\settings", true));
    Reg.WriteInteger("Opacite", -7);
    Reg.WriteString("Version", "3.1.1");
    EXPECT_EQ(Reg.ReadInteger("opacite"), -7);  // names are case-insensitive
    try {
        Reg.ReadInteger("Recover MB");
        FAIL() << "missing value read";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to get data for 'Recover MB'");
    }
    try {
        Reg.ReadInteger("Version");
        FAIL() << "string read as integer";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Version'");
    }
    EXPECT_TRUE(Reg.DeleteValue("Version"));
    EXPECT_FALSE(Reg.DeleteValue("Version"));
}

TEST_F(RegistryTest, WritesToAKeyWithoutRightsAreRefusedQuietly) {
    Api.DenyWrites("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer");
    Reg.SetRootKey(HKEY_LOCAL_MACHINE_KEY);
    EXPECT_FALSE(Reg.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", true));
    EXPECT_EQ(Api.Value("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL"), nullptr);
}
