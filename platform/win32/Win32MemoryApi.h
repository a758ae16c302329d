#pragma once
// Memory figures and blocks from the Windows kernel.
#include "platform/MemoryApi.h"

class TWin32MemoryApi : public TMemoryApi {
public:
    TMemoryStatus GlobalMemoryStatus() override;
    void* CommitBlock(size_t Size) override;
    void ReleaseBlock(void* Block) override;
};
