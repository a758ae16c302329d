// The main window on the real system: ten thousand monitoring ticks, each
// painted, leave the GDI objects and windows in use where they were.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "tests/fakes/FakeSystemInfoApi.h"
#include "tests/win32/framework/ObjectCounts.h"
#include "ui/Application.h"

TEST(MainWindowOnWindows, NoGdiObjectOrWindowGrowsPerTick) {
    InitCommonControls();
    PrepareDrawing();
    TFakeSystemInfoApi systemInfo;  // the information page is not what this test looks at
    TWin32Program real("C:\\TorvaneXP.exe", &systemInfo);
    TCpuSampler sampler(real.Performance, real.Registry);
    TApplication app(real.Queue, real.Windows);
    auto* form = app.CreateForm<TfMainMem>(real.System, sampler);
    form->Show();
    HWND wnd = static_cast<HWND>(form->Handle());
    auto tick = [&] {
        form->Timer1Timer(form);
        form->Timer2Timer(form);
        UpdateWindow(wnd);  // paints the chart, the gauges and the label
    };
    for (int i = 0; i < 20; ++i) tick();
    const int gdi = FreeGdiHandles(), shown = ThreadWindows();
    for (int i = 0; i < 10000; ++i) tick();
    EXPECT_EQ(FreeGdiHandles(), gdi);
    EXPECT_EQ(ThreadWindows(), shown);
    EXPECT_EQ(form->CpuSamples, 10021);
}
