#pragma once
#include "platform/InstanceLink.h"

class TWin32InstanceLink : public TInstanceLink {
public:
    TWin32InstanceLink();
    uint32_t OptimiseMessage() override { return FOptimise; }
    uint32_t OptimisedMessage() override { return FOptimised; }
    uint32_t ThisThread() override;
    bool PostToThread(uint32_t Thread, uint32_t Msg, uintptr_t WParam, intptr_t LParam) override;
    bool WindowExists(void* Wnd) override;

private:
    uint32_t FOptimise;
    uint32_t FOptimised;
};
