// The information and processor pages: their lines from the system and from
// recorded processors, the edition's and the maker's pictures, the refresh.
#include "tests/native/app/MainWindowFixture.h"

namespace {
class InformationPagesTest : public MainWindowTest {
protected:
    // "1" for a tick, "0" for a cross, row by row.
    std::string Ticks() const {
        std::string ticks;
        for (int i = 0; i < Form->ListView1->Count(); ++i) ticks += Form->ListView1->Item(i).ImageIndex() == 4 ? '1' : '0';
        return ticks;
    }
    std::string VisibleVendorLogo() const {
        std::string shown;
        for (TImage* logo : {Form->LogoIntel, Form->LogoAMD, Form->LogoCyrix})
            if (logo->Visible()) shown += logo->Name();
        return shown;
    }
    std::string VisibleWindowsLogo() const {
        std::string shown;
        for (TImage* logo : {Form->LogoWin95, Form->LogoWin98, Form->LogoWinNT, Form->LogoWin2K, Form->LogoWinXP})
            if (logo->Visible()) shown += logo->Name();
        return shown;
    }
};
}  // namespace

TEST_F(InformationPagesTest, TheProcessorPageShowsWhatTheRecordedProcessorsSay) {
    struct TCase {
        const char* Dump;
        const char* Name;
        const char* Lines;   // MMX, SIMD and 3DNow!, as Supportées (s) or not (-)
        const char* Caches;  // level 1 code, data and unified, level 2
        const char* Ticks;   // rows 1 to 30
        const char* Logo;
    } cases[] = {
        {"pentium3-katmai.dump", "Intel Pentium III", "ss-", "16 Kb|16 Kb|0 Kb|512 Kb",
         "111111111111111111000111000000", "LogoIntel"},
        {"amd-athlon-model4.dump", "AMD Athlon(tm) Processor", "s-s", "64 Kb|64 Kb|0 Kb|256 Kb",
         "111111111011111110000110000111", "LogoAMD"},
        {"no-cpuid-486.dump", "Unknown 486 class", "---", "0 Kb|0 Kb|0 Kb|0 Kb", "000000000000000000000000000000", ""},
        // Today's: named by their brand strings, their caches from their cache leaves.
        {"intel-xeon-model-a7.dump", "Intel(R) Xeon(R) Processor", "ss-", "64 Kb|48 Kb|0 Kb|2048 Kb",
         "111111111111111110100111110000", "LogoIntel"},
        {"amd-ryzen-zen4.dump", "AMD Ryzen 7 7700X 8-Core Processor", "ss-", "32 Kb|32 Kb|0 Kb|1024 Kb",
         "111111111111111110100111100001", "LogoAMD"},
        {"models/idt-f5-m8.dump", nullptr, nullptr, nullptr, nullptr, ""},  // no maker's picture for IDT
    };
    for (const TCase& c : cases) {
        UseProcessor(c.Dump);
        Create(256 * MB);
        SCOPED_TRACE(c.Dump);
        EXPECT_EQ(VisibleVendorLogo(), c.Logo);
        ASSERT_EQ(Form->ListView1->Count(), 30);
        if (!c.Name) continue;
        EXPECT_EQ(Form->lblName->Caption(), c.Name);
        EXPECT_EQ(Form->LblMMX->Caption(), c.Lines[0] == 's' ? "MMX Instructions Supportées" : "MMX Instructions pas supported");
        EXPECT_EQ(Form->lblSIMD->Caption(), c.Lines[1] == 's' ? "SIMD Instructions Supportées" : "SIMD Instructions pas supportées");
        EXPECT_EQ(Form->lbl3DNow->Caption(),
                  c.Lines[2] == 's' ? "3DNow! Instructions Supportées" : "3DNow! Instructions pas supportées");
        EXPECT_EQ(Form->lblL1Code->Caption() + "|" + Form->lblL1Data->Caption() + "|" + Form->lblLevel1->Caption() + "|" +
                      Form->lblLevel2->Caption(),
                  c.Caches);
        EXPECT_EQ(Ticks(), c.Ticks);
    }
}

TEST_F(InformationPagesTest, TheFeatureRowsCarryTheirCodesAndDescriptions) {
    Create(256 * MB);
    const std::tuple<int, const char*, const char*> rows[] = {
        {0, "FPU", "Floating Point Processor"},
        {20, "ACPI", "Advanced Configuration and Power Management Interface"},
        {22, "FXSR", "Floating Point Save and Restore"},
        {29, "MMXEX", "Enhanced MMX Extensions"},
    };
    for (auto [index, code, description] : rows) {
        EXPECT_EQ(Form->ListView1->Item(index).Caption(), code);
        EXPECT_EQ(Form->ListView1->Item(index).SubItems(), std::vector<std::string>{description});
    }
    EXPECT_EQ(Form->ListView1->ColumnCount(), 2);
    EXPECT_EQ(Form->ListView1->Column(0).Width, 100);
    EXPECT_EQ(Form->ListView1->Column(1).Width, 200);
    EXPECT_FALSE(Form->ListView1->ShowColumnHeaders());
    EXPECT_EQ(Form->ListView1->SmallImages(), Form->ImageList1);
}

TEST_F(InformationPagesTest, TheSmallImagesAreSixWithTheirTransparentCorners) {
    Create(256 * MB);
    ASSERT_EQ(Form->ImageList1->Count(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Form->ImageList1->IsTransparent(i, 0, 15)) << i;
    EXPECT_FALSE(Form->ImageList1->IsTransparent(4, 6, 12));  // on the tick's stroke
    EXPECT_FALSE(Form->ImageList1->IsTransparent(5, 7, 7));   // where the cross's strokes meet
}

TEST_F(InformationPagesTest, TheSystemLinesAreFilledAtCreationAndOnEveryRefresh) {
    SystemInfo.Version = TOsVersionInfo{2, 5, 1, "Service Pack 1"};
    SystemInfo.ServicePackMajor = 1;
    SystemInfo.Hosts["poste-12"] = {"10.0.0.5", "192.168.1.20"};
    SystemInfo.SearchResults["C:\\*.*"] = SEARCH_FILE_FOUND;
    SystemInfo.Spaces["C:\\"] = {1572864, 40 * 1024 * int64_t(MB)};
    SystemInfo.SearchResults["D:\\*.*"] = SEARCH_NOT_READY;
    Create(512 * MB);
    EXPECT_EQ(Form->Label_version_os->Caption(), "Windows XP  SP1");
    EXPECT_EQ(Form->Label_nom_machine->Caption(), "Nom Machine : POSTE-12");
    EXPECT_EQ(Form->Label_nom_utilisateur->Caption(), "Nom Utilisateur : marie");
    EXPECT_EQ(Form->Label_ip_adresse->Caption(), "Addresse IP : 192.168.1.20");
    EXPECT_EQ(Form->Label_disque_c->Caption(), "C:\\ : 2 Mo libres | 40960 Mo ");
    EXPECT_EQ(Form->Label_disque_d->Caption(), "D:\\ : ");  // not ready: left as it was
    EXPECT_EQ(Form->Label_ram->Caption(), "RAM Installée : 512 MB");
    // 1 GHz counted from the tick's first change to the start + 1000 ms: 999 ms.
    EXPECT_EQ(Form->Label_cpu_speed->Caption(), "Vitesse réelle Processeur : 999 Mhz");
    EXPECT_EQ(VisibleWindowsLogo(), "LogoWinXP");

    SystemInfo.SearchResults["D:\\*.*"] = SEARCH_NO_MORE_FILES;  // an empty disk now in the drive
    SystemInfo.Spaces["D:\\"] = {0, 650 * int64_t(MB)};
    SystemInfo.CyclesPerMillisecond = 2000000;
    SystemInfo.Computer = "POSTE-13";
    SystemInfo.Version = TOsVersionInfo{1, 4, 10, " A "};  // the edition is read once, at start
    const int ticks = SystemInfo.TickReads;
    Form->SkinButton3->Click();
    EXPECT_GE(SystemInfo.TickReads - ticks, 1000);  // the second of the clock again
    EXPECT_EQ(Form->Label_disque_d->Caption(), "D:\\ : 0 Mo libres | 650 Mo");
    EXPECT_EQ(Form->Label_nom_machine->Caption(), "Nom Machine : POSTE-13");
    EXPECT_EQ(Form->Label_cpu_speed->Caption(), "Vitesse réelle Processeur : 1998 Mhz");
    EXPECT_EQ(Form->Label_version_os->Caption(), "Windows XP  SP1");
    EXPECT_EQ(VisibleWindowsLogo(), "LogoWinXP");
}

TEST_F(InformationPagesTest, OneEditionPictureShowsForEachWindows) {
    const std::tuple<uint32_t, uint32_t, uint32_t, const char*, const char*> cases[] = {
        {2, 5, 1, "", "LogoWinXP"},  {2, 5, 0, "", "LogoWin2K"}, {2, 4, 0, "", "LogoWinNT"},
        {2, 5, 2, "", "LogoWinNT"},  {1, 4, 10, "", "LogoWin98"}, {1, 4, 10, " A ", "LogoWin95"},
        {1, 4, 90, "", "LogoWin95"}, {1, 4, 0, "", "LogoWin95"},
    };
    for (auto [platform, major, minor, csd, logo] : cases) {
        SystemInfo.Version = TOsVersionInfo{platform, major, minor, csd};
        Create(256 * MB);
        EXPECT_EQ(VisibleWindowsLogo(), logo) << platform << " " << major << "." << minor << " '" << csd << "'";
    }
}

TEST_F(InformationPagesTest, WithoutATimeStampCounterTheClockIsNeverRead) {
    UseProcessor("no-cpuid-486.dump");
    Create(256 * MB);
    EXPECT_EQ(SystemInfo.CounterReads, 0);
    EXPECT_EQ(Form->Label_cpu_speed->Caption(), "Vitesse réelle Processeur : 0 Mhz");
}
