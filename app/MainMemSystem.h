#pragma once
// What the main window needs of the system beyond its message queue and windows.
#include <string>

#include "cpu/cpuidSource.h"
#include "platform/Clock.h"
#include "platform/DownloadApi.h"
#include "platform/FileSystem.h"
#include "platform/InstanceLink.h"
#include "platform/MemoryApi.h"
#include "platform/PerformanceApi.h"
#include "platform/RegistryApi.h"
#include "platform/Resources.h"
#include "platform/Shell.h"
#include "platform/SystemInfoApi.h"

struct TMainMemSystem {
    TMemoryApi& Memory;
    TRegistryApi& Registry;
    TResources& Resources;
    TPerformanceApi& Performance;
    TShell& Shell;
    TSystemInfoApi& SystemInfo;
    TDownloadApi& Download;  // the news file
    TFileSystem& Files;      // and its local copy; the runs' history
    TCpuSources Cpu;      // the processor that the processor page describes
    std::string ExeName;  // full path of the running program
    TClock& Clock;        // the runs' times
    TInstanceLink& Link;  // the runs that commands ask for
};
