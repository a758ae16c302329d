// Counts the GDI objects that the main window holds once it has started (the
// real window on the real system, shown and painted), and once every page
// has been shown: the places of the process's handle table that they take.
// Windows 95 and 98 keep every program's GDI objects in 64 KB heaps.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "sysinfo/WindowsVersion.h"
#include "tests/win32/framework/ObjectCounts.h"
#include "ui/Application.h"

namespace {
// Lets the window paint what it has to, for Ms milliseconds.
void Settle(DWORD Ms) {
    const DWORD end = GetTickCount() + Ms;
    MSG message;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}
}  // namespace

int main() {
    InitCommonControls();
    PrepareDrawing();
    TWin32Program real("C:\\TorvaneXP.exe");
    InitWindowsVersion(real.SystemInfo);
    TCpuSampler sampler(real.Performance, real.Registry);
    TApplication app(real.Queue, real.Windows);
    const int free = FreeGdiHandles();
    TfMainMem* form = app.CreateForm<TfMainMem>(real.System, sampler);
    form->Show();
    Settle(1500);
    std::printf("GDI objects held by the window after start: %d\n", free - FreeGdiHandles());
    for (int page = 0; page < form->Memoire->PageCount(); ++page) {
        form->Memoire->SetActivePageIndex(page);
        Settle(300);
    }
    std::printf("GDI objects held once every page has been shown: %d\n", free - FreeGdiHandles());
    return 0;
}
