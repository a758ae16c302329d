#pragma once
// A processor recorded as text, one line per leaf:
//   LEAF SUBLEAF: EAX EBX ECX EDX      (hexadecimal, 1 to 8 digits each)
// Lines starting with # are comments, except
//   # processors: N        the system's processor count (default 1)
//   # processor-type: N    the system's processor type (default 586)
//   # no-cpuid             the processor has no CPUID
// The first line of a leaf answers every execution of it, whatever its
// sub-leaf; a leaf not listed answers four zero words.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cpu/cpuidSource.h"

class TCpuidDumpError : public std::runtime_error {
public:
    TCpuidDumpError(int Line, const std::string& Message)
        : std::runtime_error("line " + std::to_string(Line) + ": " + Message), FLine(Line) {}
    int Line() const { return FLine; }

private:
    int FLine;
};

class TCpuidDump : public TCpuidSource {
public:
    // Throws TCpuidDumpError at the first malformed line.
    static TCpuidDump Parse(std::string_view Text);
    // Source's standard and extended leaves up to the highest each reports
    // (at most MaxRecordedLeaves of each), with the system's figures, in the
    // form Parse reads.
    static std::string Record(TCpuidSource& Source, const TCpuSystemInfo& System);
    static constexpr uint32_t MaxRecordedLeaves = 64;

    bool Present() const override { return FPresent; }
    TCPUIDRegs Execute(uint32_t Leaf) override;

    void SetPresent(bool Value) { FPresent = Value; }
    // Keeps the first registers given for a leaf.
    void AddLeaf(uint32_t Leaf, const TCPUIDRegs& Regs) { FLeaves.try_emplace(Leaf, Regs); }
    const TCpuSystemInfo& SystemInfo() const { return FSystemInfo; }
    void SetSystemInfo(const TCpuSystemInfo& Value) { FSystemInfo = Value; }

private:
    std::map<uint32_t, TCPUIDRegs> FLeaves;
    bool FPresent = true;
    TCpuSystemInfo FSystemInfo;
};

// The recorded system's processor figures; the clock and the priorities of
// the system that reads the recording.
class TRecordedPlatform : public TCpuPlatform {
public:
    TRecordedPlatform(const TCpuidDump& Dump, TCpuPlatform& System) : FDump(Dump), FSystem(System) {}
    TCpuSystemInfo GetSystemInfo() override { return FDump.SystemInfo(); }
    uint32_t GetTickCount() override { return FSystem.GetTickCount(); }
    uint32_t GetPriorityClass() override { return FSystem.GetPriorityClass(); }
    void SetPriorityClass(uint32_t PriorityClass) override { FSystem.SetPriorityClass(PriorityClass); }
    int GetThreadPriority() override { return FSystem.GetThreadPriority(); }
    void SetThreadPriority(int Priority) override { FSystem.SetThreadPriority(Priority); }

private:
    const TCpuidDump& FDump;
    TCpuPlatform& FSystem;
};
