#pragma once
// The cpuinfo command: identifies the processor it runs on, or one recorded
// in a dump file, and writes TCpuInfo's results as JSON.
#include <ostream>
#include <span>
#include <string_view>

#include "cpu/cpuidSource.h"

// Exit codes.
constexpr int ecOk = 0;
constexpr int ecBadDump = 1;
constexpr int ecUsage = 2;

// Running: the processor and system the command runs on.
int RunCpuinfo(std::span<const std::string_view> Args, const TCpuSources& Running, std::ostream& Out,
               std::ostream& Err);
