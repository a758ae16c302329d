#pragma once
// Physical memory figures and committed blocks of the process's own memory.
#include <cstddef>
#include <cstdint>

struct TMemoryStatus {
    uint64_t TotalPhys = 0;  // bytes
    uint64_t AvailPhys = 0;  // bytes
};

class TMemoryApi {
public:
    virtual ~TMemoryApi() = default;
    // Extended status where the system has it, the classic one (read as
    // unsigned) elsewhere.
    virtual TMemoryStatus GlobalMemoryStatus() = 0;
    // Commits Size bytes read-write, uncached, at an address of the system's
    // choice; nullptr when the system refuses.
    virtual void* CommitBlock(size_t Size) = 0;
    // Releases a whole block returned by CommitBlock.
    virtual void ReleaseBlock(void* Block) = 0;
};
