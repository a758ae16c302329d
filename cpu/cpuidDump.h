#pragma once
// A processor recorded as text, one line per leaf:
//   LEAF SUBLEAF: EAX EBX ECX EDX      (hexadecimal, 1 to 8 digits each)
// Lines starting with # are comments, except
//   # processors: N        the system's processor count (default 1)
//   # processor-type: N    the system's processor type (default 586)
//   # no-cpuid             the processor has no CPUID
// A leaf answers a listed sub-leaf with that sub-leaf's first line and any
// other with the leaf's first line; a leaf not listed answers four zero words.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

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
    // (at most MaxRecordedLeaves of each; the cache leaves' sub-leaves up to
    // the first that describes none, as many at most), with the system's
    // figures, in the form Parse reads.
    static std::string Record(TCpuidSource& Source, const TCpuSystemInfo& System);
    static constexpr uint32_t MaxRecordedLeaves = 64;

    bool Present() const override { return FPresent; }
    TCPUIDRegs Execute(uint32_t Leaf, uint32_t SubLeaf) override;

    void SetPresent(bool Value) { FPresent = Value; }
    // Keeps the first registers given for a leaf, and for a sub-leaf.
    void AddLeaf(uint32_t Leaf, const TCPUIDRegs& Regs, uint32_t SubLeaf = 0) {
        FLeaves.try_emplace(Leaf, Regs);
        FSubLeaves.try_emplace({Leaf, SubLeaf}, Regs);
    }
    const TCpuSystemInfo& SystemInfo() const { return FSystemInfo; }
    void SetSystemInfo(const TCpuSystemInfo& Value) { FSystemInfo = Value; }

private:
    std::map<uint32_t, TCPUIDRegs> FLeaves;
    std::map<std::pair<uint32_t, uint32_t>, TCPUIDRegs> FSubLeaves;
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
