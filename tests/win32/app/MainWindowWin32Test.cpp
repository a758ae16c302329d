// The main window on the real system: ten thousand monitoring ticks, each
// painted, leave the GDI objects and windows in use where they were.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/Umain.h"
#include "cpu/cpuidProcessor.h"
#include "platform/win32/GdiTextRenderer.h"
#include "platform/win32/Win32MemoryApi.h"
#include "platform/win32/Win32MessageQueue.h"
#include "platform/win32/Win32PerformanceApi.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32WindowSystem.h"
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
    TWin32MemoryApi memory;
    TWin32MessageQueue queue;
    TWin32WindowSystem windows;
    TWin32Registry registry;
    TWin32Resources resources;
    TWin32PerformanceApi performance;
    TWin32Shell shell;
    TFakeSystemInfoApi systemInfo;  // the information page is not what this test looks at
    TMainMemSystem system{memory,     registry, resources, performance, shell, systemInfo,
                          {RunningProcessor(), RunningProcessor(), SystemCpuPlatform()}, "C:\\TorvaneXP.exe"};
    TCpuSampler sampler(performance, registry);
    TApplication app(queue, windows);
    auto* form = app.CreateForm<TfMainMem>(system, sampler);
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
