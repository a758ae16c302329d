// How long the main window's creation takes, by step, on the real system:
// the version detection, the information page's lines (of which the clock
// measurement is a second by design), the processor's identification and
// page, the Windows memory settings, and the whole creation with its
// showing. Each cheap step is the median of several runs.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "cpu/cpuidProcessor.h"
#include "platform/win32/GdiTextRenderer.h"
#include "sysinfo/ClockSpeed.h"
#include "sysinfo/SystemInfo.h"
#include "sysinfo/WindowsVersion.h"
#include "ui/Application.h"
#include "ui/Locale.h"

namespace {
double Milliseconds(const std::function<void()>& Step, int Runs) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QueryPerformanceCounter(&start);
        Step();
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char* Step, double Ms) { std::printf("%-52s %9.2f ms\n", Step, Ms); }
}  // namespace

int main() {
    InitCommonControls();
    PrepareDrawing();
    TWin32Program real("C:\\TorvaneXP.exe");
    TWin32SystemInfoApi& systemInfo = real.SystemInfo;
    TProcessorCpuid& processor = RunningProcessor();
    const int runs = 11;

    Report("version detection", Milliseconds([&] { InitWindowsVersion(systemInfo); }, runs));
    TCpuSampler sampler(real.Performance, real.Registry);
    TApplication app(real.Queue, real.Windows);
    TfMainMem* form = nullptr;
    Report("whole creation and first showing (one run)", Milliseconds([&] {
               form = app.CreateForm<TfMainMem>(real.System, sampler);
               form->Show();
           }, 1));
    TTimeStampCounter* counter = form->CpuInfo1->FeatureSet().TSC() ? &processor : nullptr;
    Report("system lines, clock included (one run)", Milliseconds([&] { form->GetInfoSystem(); }, 1));
    const double clock = Milliseconds([&] { MeasureClockMhz(systemInfo, counter); }, 1);
    Report("  of which the clock measurement (one run)", clock);
    Report("  system lines without the clock",
           Milliseconds([&] { InfoSystemLines({systemInfo, real.Registry, nullptr}, RunningWindowsVersion(), 512, '.'); }, runs));
    Report("processor identification", Milliseconds([&] { TCpuInfo(nullptr, real.System.Cpu); }, runs));
    Report("processor page (30 rows)", Milliseconds([&] {
               form->ListView1->Clear();
               form->GetCpuInfo();
           }, runs));
    Report("Windows memory settings (read, judge, 4 rows)", Milliseconds([&] {
               form->FeatureList->Clear();
               form->GetInfoOptimization();
           }, runs));
    return 0;
}
