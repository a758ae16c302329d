// Saving the main window's settings to the registry of the current user.
#include "app/Umain.h"

void TfMainMem::SaveSettings() {
    if (!SettingsRegistry) return;  // creation stopped before the accessor existed
    SettingsRegistry->SetRootKey(HKEY_CURRENT_USER_KEY);
    if (SettingsRegistry->OpenKey(SettingsKey, true)) {
        SettingsRegistry->WriteString("Path", "\"" + FSystem.ExeName + "\"");
        SettingsRegistry->WriteString("Version", ProgramVersion);
        SettingsRegistry->CloseKey();
    }
}
