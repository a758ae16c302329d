#pragma once
// The whole identification of a recorded processor on a virtual system,
// Loaded, the report and the processor page's figures included.
#include <cstdint>

#include "cpu/CpuInfo.h"
#include "cpu/CpuPageFigures.h"
#include "tests/fakes/FakeCpuSystem.h"
#include "tools/CpuInfoReport.h"

inline void IdentifyRecorded(const TCpuidDump& Dump, uint32_t StartTicks, bool Bench, int32_t Delay) {
    TCpuidDump Recorded = Dump;
    TFakeCpuSystem System;
    System.Ticks = StartTicks;
    TRecordedPlatform Platform(Recorded, System);
    TCpuInfo Info(nullptr, {Recorded, System, Platform});
    Info.AutoBench().SetEnabled(Bench);
    Info.AutoBench().SetDelay(Delay);
    Info.Loaded();
    CpuInfoJson(Info);
    TCpuidAPI Api({Recorded, System, Platform});
    CpuPageFigures(Info, Api);
}
