// The main window on the real system: ten thousand monitoring ticks, each
// painted, leave the GDI objects and windows in use where they were.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "tests/fakes/FakeSystemInfoApi.h"
#include "ui/Application.h"

namespace {
// How many more GDI objects can be made: Wine counts no GUI resources, and
// every object in use takes one place of its handle table.
int FreeGdiHandles() {
    std::vector<HBRUSH> made;
    while (HBRUSH b = CreateSolidBrush(RGB(1, 2, 3))) made.push_back(b);
    for (HBRUSH b : made) DeleteObject(b);
    return static_cast<int>(made.size());
}

BOOL CALLBACK CountWindow(HWND Wnd, LPARAM Count) {
    ++*reinterpret_cast<int*>(Count);
    EnumChildWindows(Wnd, CountWindow, Count);
    return TRUE;
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
}  // namespace

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
