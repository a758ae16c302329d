#pragma once
// A system for identifying recorded processors: a virtual clock whose tick
// count advances one millisecond at every read, a time-stamp counter running
// at a fixed rate of that clock, and a log of the priority calls.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cpu/cpuidDump.h"
#include "platform/CpuPlatform.h"

class TFakeCpuSystem : public TCpuPlatform, public TTimeStampCounter {
public:
    TCpuSystemInfo Info;
    uint32_t Ticks = 0;
    uint64_t CyclesPerMillisecond = 1000000;  // 1 GHz
    uint64_t Milliseconds = 0;
    uint32_t PriorityClass = pcNormal;
    int ThreadPriority = tpNormal;
    std::vector<std::string> PriorityCalls;

    TCpuSystemInfo GetSystemInfo() override { return Info; }
    uint32_t GetTickCount() override {
        ++Milliseconds;
        return Ticks++;
    }
    uint64_t ReadTimeStampCounter() override { return Milliseconds * CyclesPerMillisecond; }
    uint32_t GetPriorityClass() override {
        Log("GetPriorityClass");
        return PriorityClass;
    }
    void SetPriorityClass(uint32_t Value) override {
        Log("SetPriorityClass " + std::to_string(Value));
        PriorityClass = Value;
    }
    int GetThreadPriority() override {
        Log("GetThreadPriority");
        return ThreadPriority;
    }
    void SetThreadPriority(int Value) override {
        Log("SetThreadPriority " + std::to_string(Value));
        ThreadPriority = Value;
    }

private:
    void Log(std::string Call) { PriorityCalls.push_back(std::move(Call)); }
};

// A recorded processor on the fake system, ready to hand to TCpuInfo.
struct TRecordedCpu {
    explicit TRecordedCpu(std::string_view DumpText) : Dump(TCpuidDump::Parse(DumpText)) {}
    TCpuSources Sources() { return {Dump, System, Platform}; }

    TCpuidDump Dump;
    TFakeCpuSystem System;
    TRecordedPlatform Platform{Dump, System};
};
