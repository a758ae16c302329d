// The tray icon through the real shell, and the settings through the real
// registry, with the main window on the real system.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "tests/fakes/FakeSystemInfoApi.h"
#include "tests/win32/framework/ObjectCounts.h"
#include "ui/Application.h"

namespace {
DWORD TypeOf(const char* Key, const char* Name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_READ, &key) != ERROR_SUCCESS) return REG_NONE;
    DWORD type = REG_NONE;
    RegQueryValueExA(key, Name, nullptr, &type, nullptr, nullptr);
    RegCloseKey(key);
    return type;
}

class TrayAndSettings : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        PrepareDrawing();
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Torvane XP\\settings\\Recover Property");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Torvane XP\\settings");
    }
    TfMainMem* Open() {
        App = std::make_unique<TApplication>(Real.Queue, Real.Windows);
        TfMainMem* form = App->CreateForm<TfMainMem>(Real.System, Sampler);
        form->Show();
        return form;
    }
    // The information page's lines are not what these tests look at: a fake
    // system spares them the second of the clock measurement.
    TFakeSystemInfoApi SystemInfo;
    TWin32Program Real{"C:\\Torvane\\TorvaneXP.exe", &SystemInfo};
    TCpuSampler Sampler{Real.Performance, Real.Registry};
    std::unique_ptr<TApplication> App;
};

std::string Controls(const TfMainMem& F) {
    auto flag = [](const TCheckBox* b) { return b->Checked() ? "x" : "."; };
    return std::to_string(F.TrackBar1->Position()) + flag(F.CheckBox2) + flag(F.CheckBox1) +
           std::to_string(F.TrackBar2->Position()) + (F.RadioButton3->Checked() ? "all" : "other") + flag(F.CheckBox3) +
           std::to_string(F.SpinEdit1->Value()) + flag(F.CheckBox5) + std::to_string(F.SpinEdit2->Value()) +
           std::to_string(F.SpinEdit3->Value());
}
}  // namespace

TEST_F(TrayAndSettings, EveryValueGoesThroughTheRegistryAndComesBack) {
    TfMainMem* form = Open();
    form->TrackBar1->SetPosition(100);
    form->CheckBox2->SetChecked(false);
    form->CheckBox1->SetChecked(false);
    form->TrackBar2->SetPosition(128);
    form->RadioButton3->SetChecked(true);
    form->CheckBox3->SetChecked(false);
    form->SpinEdit1->SetValue(50);
    form->CheckBox5->SetChecked(true);
    form->SpinEdit2->SetValue(30);
    form->SpinEdit3->SetValue(70);
    const std::string saved = Controls(*form);
    form->SkinButton2->Click();
    EXPECT_EQ(TypeOf("Software\\Torvane XP\\settings", "Path"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(TypeOf("Software\\Torvane XP\\settings", "Version"), static_cast<DWORD>(REG_SZ));
    for (const char* name : {"Recover MB", "StayOnTop", "StartWithWindows", "Opacite", "Recover Method"})
        EXPECT_EQ(TypeOf("Software\\Torvane XP\\settings", name), static_cast<DWORD>(REG_DWORD)) << name;
    for (const char* name : {"Free%", "Pourcentage", "Time", "Time value", "Pcpu"})
        EXPECT_EQ(TypeOf("Software\\Torvane XP\\settings\\Recover Property", name), static_cast<DWORD>(REG_DWORD)) << name;
    EXPECT_EQ(TypeOf("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "TorvaneXp"), static_cast<DWORD>(REG_NONE));
    App.reset();
    form = Open();
    EXPECT_EQ(Controls(*form), saved);
    EXPECT_EQ(saved, "100..128all.50x3070");
}

TEST_F(TrayAndSettings, TheIconGoesThroughTheShellAndItsRedrawsKeepNoObjects) {
    EXPECT_EQ(Real.Shell.RecordSize(), 488u) << "this shell is version 5 or later";
    TTrayIcon icon(nullptr, Real.Windows, Real.Shell);
    EXPECT_TRUE(icon.AddTrayIcon());
    EXPECT_TRUE(icon.RefreshTrayIcon());
    EXPECT_TRUE(icon.DeleteTrayIcon());
    EXPECT_FALSE(icon.DeleteTrayIcon()) << "gone already";

    TfMainMem* form = Open();
    form->TrayIcon1->SetIconVisible(true);
    for (int i = 0; i < 20; ++i) form->TrayIcon1->SetText(std::to_string(i));
    const int gdi = FreeGdiHandles();
    for (int i = 0; i < 10000; ++i) form->TrayIcon1->SetText(std::to_string(i % 1000));
    EXPECT_EQ(FreeGdiHandles(), gdi);
}

TEST_F(TrayAndSettings, TheTrayBringsTheWindowBackOnTheFirstPageButASecondStartKeepsThePage) {
    TfMainMem* form = Open();
    HWND wnd = static_cast<HWND>(form->Handle());
    form->Memoire->SetActivePageIndex(3);
    form->ImageButton2->Click();
    EXPECT_FALSE(IsWindowVisible(wnd));
    SendMessageA(Real.Shell.Handler(), TRAY_CALLBACK_MESSAGE, form->TrayIcon1->Id(), WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(form->Memoire->ActivePageIndex(), 0);
    form->Memoire->SetActivePageIndex(3);
    form->ImageButton2->Click();
    SendMessageA(wnd, WM_USER, 0, 0);
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(form->Memoire->ActivePageIndex(), 3);
}

namespace {
const char* const MemoryKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char* const MemoryValues[] = {"SecondLevelDataCache", "LargeSystemCache", "IOPageLockLimit", "DisablePagingExecutive"};

long MachineInt(const char* Name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, MemoryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -999;
    DWORD data = 0, size = sizeof data, type = 0;
    const LONG error = RegQueryValueExA(key, Name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(key);
    return error == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long>(data) : -999;
}

void DeleteMemoryValues() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, MemoryKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    for (const char* name : MemoryValues) RegDeleteValueA(key, name);
    RegCloseKey(key);
}
}  // namespace

TEST_F(TrayAndSettings, TheWindowsMemoryValuesAreCreatedThenTunedInTheMachineHive) {
    DeleteMemoryValues();
    TfMainMem* form = Open();
    for (const char* name : MemoryValues) EXPECT_EQ(MachineInt(name), 0) << name;
    HWND list = static_cast<HWND>(form->FeatureList->Handle());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & (LVS_TYPEMASK | LVS_NOCOLUMNHEADER), LVS_REPORT | LVS_NOCOLUMNHEADER);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 4);

    form->Optimization();
    EXPECT_EQ(MachineInt("SecondLevelDataCache"), form->CpuInfo1->Cache().Level2());
    EXPECT_EQ(MachineInt("LargeSystemCache"), 1);
    EXPECT_EQ(MachineInt("DisablePagingExecutive"), 1);
    EXPECT_EQ(MachineInt("IOPageLockLimit"), 85 * (form->InstalledMB + 1));
    char text[64] = {};
    for (int row = 0; row < 4; ++row) {
        LVITEMA item{};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        EXPECT_NE(std::string(text).find(" optimisé !"), std::string::npos) << text;
        EXPECT_EQ(std::string(text).find("pas"), std::string::npos) << text;
    }
    EXPECT_FALSE(IsWindowEnabled(static_cast<HWND>(form->BitBtn5->Handle())));
    DeleteMemoryValues();
}
