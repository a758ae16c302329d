// One monitoring tick of the main window on fakes: the memory reading, the
// processor sample, the chart's plot, the gauges' repaints into their
// buffers and the tray icon's properties. The fakes cost next to nothing,
// so this is the program's own work per tick.
#include <benchmark/benchmark.h>

#include "app/Umain.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeCpuSystem.h"
#include "tests/fakes/FakeDownloadApi.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeInstanceLink.h"
#include "tests/fakes/FakeMemoryApi.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakePerformanceApi.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeShell.h"
#include "tests/fakes/FakeSystemInfoApi.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "tests/fakes/FileResources.h"
#include "tests/fakes/PerfDataBuilder.h"
#include "ui/Application.h"

namespace {
void MonitoringTick(benchmark::State& State) {
    TFakeMemoryApi memory;
    memory.Status = {512ull << 20, 200ull << 20};
    TFakeMessageQueue queue;
    TFakeWindowSystem windows;
    TFakeRegistry registry;
    TFileResources resources;
    TFakePerformanceApi performance;
    TFakeShell shell;
    TFakeSystemInfoApi systemInfo;
    TCpuidDump processor;  // one without CPUID: the processor page costs nothing per tick
    processor.SetPresent(false);
    TFakeCpuSystem cpuSystem;
    TFakeFileSystem files;
    TFakeDownloadApi download(files);
    TFakeClock clock(windows.Clock);
    TFakeInstanceLink link;
    TMainMemSystem system{memory,   registry,  resources, performance, shell, systemInfo, download,
                          files,    {processor, cpuSystem, cpuSystem}, "C:\\TorvaneXP.exe", clock, link};
    TCpuSampler sampler(performance, registry);
    TApplication app(queue, windows);
    auto* form = app.CreateForm<TfMainMem>(system, sampler);
    uint16_t second = 0;
    int64_t idle = 0;
    for (auto _ : State) {
        memory.Status.AvailPhys += 4096;  // a new reading every tick: the icon is redrawn too
        idle += 7'000'000;
        State.PauseTiming();
        performance.Data = TPerfDataBuilder(PerfTimeAt(static_cast<uint16_t>(++second % 60))).Processor({idle}).Build().Bytes;
        State.ResumeTiming();
        form->Timer1Timer(form);
        form->Timer2Timer(form);
    }
}
BENCHMARK(MonitoringTick)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
