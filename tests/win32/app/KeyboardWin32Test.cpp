// The main window worked from the keyboard alone, with real key input: Tab
// and Shift+Tab through the settings page, the method's radio group with the
// arrows, Ctrl+Tab between the pages, and no tab character in a box.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "tests/fakes/FakeSystemInfoApi.h"
#include "tests/win32/framework/KeyInput.h"
#include "ui/Application.h"

namespace {
const char* const MemoryKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

// The name of the window's control that has the focus; the window's own name
// when none has it.
std::string FocusName(const TfMainMem& Form) {
    HWND focus = GetFocus();
    for (int i = 0; i < Form.ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(Form.Components(i)); control && control->Handle() == focus)
            return control->Name();
    return focus == Form.Handle() ? "window" : "elsewhere";
}

std::string TextOf(void* Wnd) {
    char text[64] = {};
    GetWindowTextA(static_cast<HWND>(Wnd), text, sizeof text);
    return text;
}
}  // namespace

TEST(KeyboardOnWindows, TabShiftTabArrowsAndCtrlTabWorkTheSettingsPage) {
    InitCommonControls();
    PrepareDrawing();
    // The settings as on a first start: system method, alarm on, interval
    // off (its box stays open until the check box is used); the Windows
    // memory values not tuned yet.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Torvane XP\\settings\\Recover Property");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Torvane XP\\settings");
    HKEY memory;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, MemoryKey, 0, KEY_ALL_ACCESS, &memory) == ERROR_SUCCESS) {
        for (const char* name : {"SecondLevelDataCache", "LargeSystemCache", "IOPageLockLimit", "DisablePagingExecutive"})
            RegDeleteValueA(memory, name);
        RegCloseKey(memory);
    }
    TFakeSystemInfoApi systemInfo;
    TWin32Program real("C:\\TorvaneXP.exe", &systemInfo);
    TCpuSampler sampler(real.Performance, real.Registry);
    TApplication app(real.Queue, real.Windows);
    auto* form = app.CreateForm<TfMainMem>(real.System, sampler);
    form->Timer4->SetEnabled(false);  // the window stays, as after a second start
    form->Show();
    SetForegroundWindow(static_cast<HWND>(form->Handle()));
    SetFocus(static_cast<HWND>(form->Handle()));
    PumpInput();

    auto state = [&] {
        const char* method = form->RadioButton1->Checked() ? "system" : form->RadioButton2->Checked() ? "manual" : "all";
        return FocusName(*form) + " page " + std::to_string(form->Memoire->ActivePageIndex()) + " " + method;
    };
    const struct {
        WORD Key;
        std::initializer_list<WORD> Held;
        const char* State;
    } steps[] = {
        {VK_TAB, {VK_CONTROL}, "Memoire page 1 system"},
        {VK_TAB, {}, "RadioButton1 page 1 system"},
        {VK_TAB, {}, "CheckBox3 page 1 system"},
        {VK_TAB, {}, "SpinEdit1 page 1 system"},
        {VK_TAB, {}, "CheckBox5 page 1 system"},
        {VK_TAB, {}, "SpinEdit2 page 1 system"},
        {VK_TAB, {}, "SpinEdit3 page 1 system"},
        {VK_TAB, {}, "CheckBox1 page 1 system"},
        {VK_TAB, {}, "CDechargeDll page 1 system"},
        {VK_TAB, {}, "CheckBox2 page 1 system"},
        {VK_TAB, {}, "TrackBar2 page 1 system"},
        {VK_TAB, {}, "FeatureList page 1 system"},
        {VK_TAB, {}, "BitBtn5 page 1 system"},
        {VK_TAB, {}, "SkinButton2 page 1 system"},
        {VK_TAB, {}, "Memoire page 1 system"},  // round; the manual amount is off
        {VK_TAB, {VK_SHIFT}, "SkinButton2 page 1 system"},
        {VK_TAB, {VK_SHIFT}, "BitBtn5 page 1 system"},
        {VK_TAB, {}, "SkinButton2 page 1 system"},
        {VK_TAB, {}, "Memoire page 1 system"},
        {VK_TAB, {}, "RadioButton1 page 1 system"},
        {VK_DOWN, {}, "RadioButton2 page 1 manual"},
        {VK_DOWN, {}, "RadioButton3 page 1 all"},
        {VK_RIGHT, {}, "RadioButton1 page 1 system"},  // round the group
        {VK_LEFT, {}, "RadioButton3 page 1 all"},
        {VK_UP, {}, "RadioButton2 page 1 manual"},
        {VK_DOWN, {VK_CONTROL}, "RadioButton2 page 1 manual"},  // not the group's with Ctrl
        {VK_TAB, {VK_SHIFT}, "Memoire page 1 manual"},
        {VK_TAB, {VK_SHIFT}, "TrackBar1 page 1 manual"},  // the manual amount is on now
        {VK_TAB, {VK_CONTROL}, "Memoire page 2 manual"},  // the focus leaves the hidden page
        {VK_TAB, {VK_CONTROL, VK_SHIFT}, "Memoire page 1 manual"},
        {VK_TAB, {VK_CONTROL, VK_SHIFT}, "Memoire page 0 manual"},
        {VK_TAB, {}, "BitBtn1 page 0 manual"},
    };
    for (const auto& step : steps) {
        PressKey(step.Key, step.Held);
        EXPECT_EQ(state(), step.State) << "after key " << step.Key;
    }
    EXPECT_TRUE(form->TrackBar1->Enabled()) << "the manual method's handler ran";
    for (TSpinEdit* box : {form->SpinEdit1, form->SpinEdit2, form->SpinEdit3})
        EXPECT_EQ(TextOf(box->Handle()).find('\t'), std::string::npos) << box->Name() << ": " << TextOf(box->Handle());
    EXPECT_EQ(TextOf(form->SpinEdit1->Handle()), "35");
}
