// The four memory-management values of Windows on the settings page: read,
// judged against this machine and listed; written where they are not tuned.
#include "app/Umain.h"

#include <algorithm>

#include "ui/Application.h"

namespace {
const std::string MemoryManagementKey = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

// What a setting's row shows in each of its states.
struct TSettingTexts {
    const char* Code;
    const char* Done;
    const char* NotDone;
    const char* Impossible;
};
const TSettingTexts Level2Texts{"CPU", "Level 2 Cache optimisé !", "Level 2 Cache pas optimisé !", ""};
const TSettingTexts CacheTexts{"WINC", "Windows Cache optimisé !", "Windows Cache pas optimisé !",
                               "Windows Cache ne peut pas être optimisé !"};
const TSettingTexts PagingTexts{"WINP", "Windows Paging optimisé !", "Windows Paging pas optimisé !",
                                "Windows Paging ne peux pas être optimisé !"};
const TSettingTexts IOTexts{"WINIO", "Windows I/O optimisé !", "Windows I/O pas optimisé !",
                            "Windows I/O ne peut pas être optimisé !"};

enum TTuning { tnNotDone, tnDone, tnImpossible };

// The pages that Windows may lock for I/O on this machine.
int64_t IOTarget(int64_t InstalledMB) { return 85 * (InstalledMB + 1); }
}  // namespace

// A green tick (4) for what is there or done, a red cross (5) otherwise.
void TfMainMem::AddFeatureRow(TListView& List, const std::string& Name, const std::string& Description, bool Ok) {
    TListItem& row = List.Add();
    row.SetCaption(Name);
    row.AddSubItem(Description);
    row.SetImageIndex(Ok ? 4 : 5);
}

void TfMainMem::AddFeature(const std::string& Name, const std::string& Description, bool Ok) {
    AddFeatureRow(*FeatureList, Name, Description, Ok);
}

// A value that is missing is created as 0; one of another type is the
// user's or another program's and stays as it is.
void TfMainMem::ReadWindowsSetting(TWindowsSetting& Setting, const char* Value) {
    try {
        Setting.LastRead = SettingsRegistry->ReadInteger(Value);
    } catch (const ERegistryException&) {
        if (!SettingsRegistry->ValueExists(Value)) SettingsRegistry->WriteInteger(Value, 0);
    }
}

void TfMainMem::GetInfoOptimization() {
    int done = 0;
    SettingsRegistry->SetRootKey(HKEY_LOCAL_MACHINE_KEY);
    if (SettingsRegistry->OpenKey(MemoryManagementKey, false)) {
        ReadWindowsSetting(Level2Cache, "SecondLevelDataCache");
        ReadWindowsSetting(WindowsCache, "LargeSystemCache");
        ReadWindowsSetting(WindowsIO, "IOPageLockLimit");
        ReadWindowsSetting(WindowsPaging, "DisablePagingExecutive");
        const int64_t M = InstalledMB;
        const int64_t L = WindowsIO.LastRead;
        auto list = [&](TWindowsSetting& Setting, const TSettingTexts& Texts, TTuning Tuning) {
            Setting.Status = Tuning == tnDone ? Texts.Done : Tuning == tnNotDone ? Texts.NotDone : Texts.Impossible;
            AddFeature(Texts.Code, Setting.Status, Tuning == tnDone);
            // A setting that this machine cannot use counts as done.
            if (Tuning != tnNotDone) ++done;
        };
        list(Level2Cache, Level2Texts, CpuInfo1->Cache().Level2() == Level2Cache.LastRead ? tnDone : tnNotDone);
        list(WindowsCache, CacheTexts, M < 96 ? tnImpossible : WindowsCache.LastRead != 0 ? tnDone : tnNotDone);
        list(WindowsPaging, PagingTexts, M < 127 ? tnImpossible : WindowsPaging.LastRead != 0 ? tnDone : tnNotDone);
        list(WindowsIO, IOTexts,
             M < 127 ? (L == 0 ? tnNotDone : tnImpossible) : L < IOTarget(M) ? tnNotDone : tnDone);
    }
    SettingsRegistry->CloseKey();
    if (done == 4) BitBtn5->SetEnabled(false);
}

void TfMainMem::Optimization() {
    SettingsRegistry->SetRootKey(HKEY_LOCAL_MACHINE_KEY);
    if (SettingsRegistry->OpenKey(MemoryManagementKey, false)) {
        if (Level2Cache.Status == Level2Texts.NotDone)
            SettingsRegistry->WriteInteger("SecondLevelDataCache", CpuInfo1->Cache().Level2());
        if (WindowsCache.Status == CacheTexts.NotDone) SettingsRegistry->WriteInteger("LargeSystemCache", 1);
        if (WindowsPaging.Status == PagingTexts.NotDone) SettingsRegistry->WriteInteger("DisablePagingExecutive", 1);
        // A REG_DWORD holds the limit; past 2 GB of pages it stays at the largest.
        if (WindowsIO.Status == IOTexts.NotDone)
            SettingsRegistry->WriteInteger("IOPageLockLimit",
                                           static_cast<int32_t>(std::clamp<int64_t>(IOTarget(InstalledMB), 1, INT32_MAX)));
    }
    SettingsRegistry->CloseKey();
    FeatureList->Clear();
    GetInfoOptimization();
}

void TfMainMem::BitBtn5Click(TObject*) {
    Optimization();
    Application().Windows().MessageBox(
        Handle(), "Vous devez redémarrer votre système pour que les paramètres soient pris en compte...", "Look",
        MB_OK_BUTTON);
}
