#pragma once
// Where the identification reads from: a processor that executes CPUID (or a
// recording of one), its time-stamp counter, and the operating system.
#include <cstdint>

#include "platform/CpuPlatform.h"

// One execution of CPUID. Byte k of a word is bits 8k to 8k+7.
struct TCPUIDRegs {
    uint32_t EAX = 0;
    uint32_t EBX = 0;
    uint32_t ECX = 0;
    uint32_t EDX = 0;
};

class TCpuidSource {
public:
    virtual ~TCpuidSource() = default;
    // The flags register's bit 21 can be toggled.
    virtual bool Present() const = 0;
    // Executes a leaf with SubLeaf in ECX, which only the leaves that describe
    // several things one by one (the caches of leaf 4) read; only called when
    // Present() is true.
    virtual TCPUIDRegs Execute(uint32_t Leaf, uint32_t SubLeaf) = 0;
};

class TTimeStampCounter {
public:
    virtual ~TTimeStampCounter() = default;
    virtual uint64_t ReadTimeStampCounter() = 0;
};

struct TCpuSources {
    TCpuidSource& Cpuid;
    TTimeStampCounter& Counter;
    TCpuPlatform& Platform;
};
