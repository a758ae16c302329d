// The main window's settings: one table of the stored values drives both
// saving and loading, and the controls' own change handlers apply what is
// loaded. The Run entry and the machine-wide library unloading are written
// at once when their boxes change.
#include "app/Umain.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {
const std::string RecoverKey = SettingsKey + "\\Recover Property";
const std::string RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string RunValue = "TorvaneXp";
const std::string ExplorerKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string UnloadValue = "AlwaysUnloadDLL";

// One 32-bit value: where it is kept, when it is read among its key's values,
// the control's state before anything is loaded, how the control gives it
// and takes it (the controls hold it within their ranges).
struct TStoredValue {
    const std::string* Key;
    const char* Name;
    int LoadOrder;
    std::optional<int32_t> Default;  // none: set by the window's creation
    int32_t (*Get)(const TfMainMem&);
    void (*Set)(TfMainMem&, int32_t);
};

int32_t Flag(bool Checked) { return Checked ? 1 : 0; }

int32_t Method(const TfMainMem& F) { return F.MethodNumber(); }

// 1, 2 or 3 selects that method; any other value changes nothing.
void SelectMethod(TfMainMem& F, int32_t Value) {
    TRadioButton* buttons[] = {F.RadioButton1, F.RadioButton2, F.RadioButton3};
    if (Value >= 1 && Value <= 3) buttons[Value - 1]->SetChecked(true);
}

// In the order they are written.
const TStoredValue StoredValues[] = {
    {&SettingsKey, "Recover MB", 1, std::nullopt, [](const TfMainMem& F) { return F.TrackBar1->Position(); },
     [](TfMainMem& F, int32_t V) { F.TrackBar1->SetPosition(V); }},
    {&SettingsKey, "StayOnTop", 4, 1, [](const TfMainMem& F) { return Flag(F.CheckBox2->Checked()); },
     [](TfMainMem& F, int32_t V) { F.CheckBox2->SetChecked(V != 0); }},
    {&SettingsKey, "StartWithWindows", 5, 1, [](const TfMainMem& F) { return Flag(F.CheckBox1->Checked()); },
     [](TfMainMem& F, int32_t V) { F.CheckBox1->SetChecked(V != 0); }},
    {&SettingsKey, "Opacite", 2, 255, [](const TfMainMem& F) { return F.TrackBar2->Position(); },
     [](TfMainMem& F, int32_t V) { F.TrackBar2->SetPosition(V); }},
    {&SettingsKey, "Recover Method", 3, 1, Method, SelectMethod},
    {&RecoverKey, "Free%", 9, 1, [](const TfMainMem& F) { return Flag(F.CheckBox3->Checked()); },
     [](TfMainMem& F, int32_t V) { F.CheckBox3->SetChecked(V != 0); }},
    {&RecoverKey, "Pourcentage", 6, 35, [](const TfMainMem& F) { return F.SpinEdit1->Value(); },
     [](TfMainMem& F, int32_t V) { F.SpinEdit1->SetValue(V); }},
    {&RecoverKey, "Time", 10, 0, [](const TfMainMem& F) { return Flag(F.CheckBox5->Checked()); },
     [](TfMainMem& F, int32_t V) { F.CheckBox5->SetChecked(V != 0); }},
    {&RecoverKey, "Time value", 7, 45, [](const TfMainMem& F) { return F.SpinEdit2->Value(); },
     [](TfMainMem& F, int32_t V) { F.SpinEdit2->SetValue(V); }},
    {&RecoverKey, "Pcpu", 8, 15, [](const TfMainMem& F) { return F.SpinEdit3->Value(); },
     [](TfMainMem& F, int32_t V) { F.SpinEdit3->SetValue(V); }},
};

std::vector<const TStoredValue*> ValuesOf(const std::string& Key, bool InLoadOrder) {
    std::vector<const TStoredValue*> values;
    for (const TStoredValue& v : StoredValues)
        if (v.Key == &Key) values.push_back(&v);
    if (InLoadOrder)
        std::sort(values.begin(), values.end(), [](auto* A, auto* B) { return A->LoadOrder < B->LoadOrder; });
    return values;
}
}  // namespace

void TfMainMem::ApplyDefaultSettings() {
    for (const TStoredValue& v : StoredValues)
        if (v.Default) v.Set(*this, *v.Default);
}

// A key that cannot be opened or made is passed over; so are failed writes.
void TfMainMem::SaveSettings() {
    if (!SettingsRegistry) return;  // creation stopped before the accessor existed
    TRegistry& r = *SettingsRegistry;
    r.SetRootKey(HKEY_CURRENT_USER_KEY);
    for (const std::string* key : {&SettingsKey, &RecoverKey}) {
        if (!r.OpenKey(*key, true)) continue;
        if (key == &SettingsKey) {
            r.WriteString("Path", "\"" + FSystem.ExeName + "\"");
            r.WriteString("Version", ProgramVersion);
        }
        for (const TStoredValue* v : ValuesOf(*key, false)) r.WriteInteger(v->Name, v->Get(*this));
        r.CloseKey();
    }
    if (CheckBox1->Checked()) AddRunEntry();
    else RemoveRunEntry();
    if (CDechargeDll->Checked()) UnloadDllOn();
    else UnloadDllOff();
}

// Each value on its own: one that is missing or of another type leaves its
// control as it was, and the next is read all the same.
void TfMainMem::LoadSettings() {
    TRegistry& r = *SettingsRegistry;
    r.SetRootKey(HKEY_CURRENT_USER_KEY);
    for (const std::string* key : {&SettingsKey, &RecoverKey}) {
        if (!r.OpenKey(*key, false)) continue;
        for (const TStoredValue* v : ValuesOf(*key, true)) {
            try {
                v->Set(*this, r.ReadInteger(v->Name));
            } catch (const ERegistryException&) {
            }
        }
        r.CloseKey();
    }
    CDechargeDll->SetChecked(ReadUnloadDll() == 1);
}

void TfMainMem::AddRunEntry() {
    SettingsRegistry->SetRootKey(HKEY_CURRENT_USER_KEY);
    if (!SettingsRegistry->OpenKey(RunKey, true)) return;
    SettingsRegistry->WriteString(RunValue, "\"" + FSystem.ExeName + "\"");
    SettingsRegistry->CloseKey();
}

void TfMainMem::RemoveRunEntry() {
    SettingsRegistry->SetRootKey(HKEY_CURRENT_USER_KEY);
    if (!SettingsRegistry->OpenKey(RunKey, true)) return;
    SettingsRegistry->DeleteValue(RunValue);
    SettingsRegistry->CloseKey();
}

// The machine-wide key is never made, and needs rights a user may not have.
void TfMainMem::UnloadDllOn() { WriteUnloadDll(1); }
void TfMainMem::UnloadDllOff() { WriteUnloadDll(0); }

void TfMainMem::WriteUnloadDll(int32_t Value) {
    SettingsRegistry->SetRootKey(HKEY_LOCAL_MACHINE_KEY);
    if (!SettingsRegistry->OpenKey(ExplorerKey, false)) return;
    SettingsRegistry->WriteInteger(UnloadValue, Value);
    SettingsRegistry->CloseKey();
}

int32_t TfMainMem::ReadUnloadDll() {
    SettingsRegistry->SetRootKey(HKEY_LOCAL_MACHINE_KEY);
    if (!SettingsRegistry->OpenKey(ExplorerKey, false)) return 0;
    int32_t value = 0;
    try {
        value = SettingsRegistry->ReadInteger(UnloadValue);
    } catch (const ERegistryException&) {
    }
    SettingsRegistry->CloseKey();
    return value;
}

void TfMainMem::SkinButton2Click(TObject*) { SaveSettings(); }

void TfMainMem::CheckBox1Click(TObject*) {
    if (CheckBox1->Checked()) AddRunEntry();
    else RemoveRunEntry();
}

// Only the user's click writes at once; a change made by loading does not.
void TfMainMem::CDechargeDllMouseUp(TObject*, TMouseButton, int, int, int) {
    if (CDechargeDll->Checked()) UnloadDllOn();
    else UnloadDllOff();
}
