#pragma once
// The real Windows under the main window: every seam of the system, made
// once, for the program's entry point and for what runs the window under
// Wine (its tests and benchmarks).
#include <string>

#include "app/MainMemSystem.h"
#include "cpu/cpuidProcessor.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32DownloadApi.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32InstanceLink.h"
#include "platform/win32/Win32MemoryApi.h"
#include "platform/win32/Win32MessageQueue.h"
#include "platform/win32/Win32PerformanceApi.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemInfoApi.h"
#include "platform/win32/Win32WindowSystem.h"

struct TWin32Program {
    // OtherSystemInfo, when given, stands in for the real system information
    // (tests that do not look at it are spared the clock's second).
    explicit TWin32Program(std::string ExeName, TSystemInfoApi* OtherSystemInfo = nullptr)
        : System{Memory,
                 Registry,
                 Resources,
                 Performance,
                 Shell,
                 OtherSystemInfo ? *OtherSystemInfo : SystemInfo,
                 Download,
                 Files,
                 {RunningProcessor(), RunningProcessor(), SystemCpuPlatform()},
                 std::move(ExeName),
                 Clock,
                 Link} {}

    TWin32MemoryApi Memory;
    TWin32MessageQueue Queue;
    TWin32WindowSystem Windows;
    TWin32Registry Registry;
    TWin32Resources Resources;
    TWin32PerformanceApi Performance;
    TWin32Shell Shell;
    TWin32SystemInfoApi SystemInfo;
    TWin32DownloadApi Download;
    TWin32FileSystem Files;
    TWin32Clock Clock;
    TWin32InstanceLink Link;
    TMainMemSystem System;
};
