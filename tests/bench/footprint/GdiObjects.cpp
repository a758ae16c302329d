// Counts the GDI objects that the main window holds once it has started (the
// real window on the real system, shown and painted), and once every page
// has been shown: the places of the process's handle table that they take,
// and the objects by kind. Windows 95 and 98 keep every program's GDI
// objects in 64 KB heaps. Under Wine each window keeps a device context and
// a region of its own, which the program does not make.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <map>
#include <set>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "sysinfo/WindowsVersion.h"
#include "tests/win32/framework/DispatchFor.h"
#include "tests/win32/framework/ObjectCounts.h"
#include "ui/Application.h"

namespace {
// The live GDI objects of the process. Under Wine a handle is its table
// index in the low 16 bits, its kind in the next 8 (listed here) and the
// entry's reuse count in the top 8.
std::set<uintptr_t> LiveObjects() {
    std::set<uintptr_t> live;
    for (uintptr_t kind : {0x01, 0x04, 0x05, 0x08, 0x09, 0x0a, 0x10, 0x30, 0x41, 0x50})
        for (uintptr_t reuse = 0; reuse < 0x100; ++reuse)
            for (uintptr_t index = 0; index < 0x10000; ++index) {
                const uintptr_t handle = reuse << 24 | kind << 16 | index;
                if (GetObjectType(reinterpret_cast<HGDIOBJ>(handle))) live.insert(handle);
            }
    return live;
}

void Report(const char* When, int Free, const std::set<uintptr_t>& Before) {
    std::printf("GDI objects held by the window %s: %d;", When, Free - FreeGdiHandles());
    static const std::map<DWORD, const char*> names = {{OBJ_PEN, "pens"},       {OBJ_BRUSH, "brushes"},
                                                       {OBJ_DC, "DCs"},         {OBJ_FONT, "fonts"},
                                                       {OBJ_BITMAP, "bitmaps"}, {OBJ_REGION, "regions"},
                                                       {OBJ_MEMDC, "memory DCs"}};
    std::map<DWORD, int> kinds;
    for (uintptr_t handle : LiveObjects())
        if (!Before.count(handle)) ++kinds[GetObjectType(reinterpret_cast<HGDIOBJ>(handle))];
    for (auto [kind, count] : kinds) std::printf(" %d %s", count, names.count(kind) ? names.at(kind) : "other");
    std::printf("\n");
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
    const std::set<uintptr_t> before = LiveObjects();
    TfMainMem* form = app.CreateForm<TfMainMem>(real.System, sampler);
    form->Show();
    DispatchFor(1500);
    Report("after start", free, before);
    for (int page = 0; page < form->Memoire->PageCount(); ++page) {
        form->Memoire->SetActivePageIndex(page);
        DispatchFor(300);
    }
    Report("once every page has been shown", free, before);
    return 0;
}
