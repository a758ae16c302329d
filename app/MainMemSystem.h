#pragma once
// What the main window needs of the system beyond its message queue and windows.
#include <string>

#include "platform/MemoryApi.h"
#include "platform/PerformanceApi.h"
#include "platform/RegistryApi.h"
#include "platform/Resources.h"
#include "platform/Shell.h"

struct TMainMemSystem {
    TMemoryApi& Memory;
    TRegistryApi& Registry;
    TResources& Resources;
    TPerformanceApi& Performance;
    TShell& Shell;
    std::string ExeName;  // full path of the running program
};
