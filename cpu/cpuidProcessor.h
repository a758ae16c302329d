#pragma once
// The processor the program runs on.
#include "cpu/cpuidSource.h"

class TProcessorCpuid : public TCpuidSource, public TTimeStampCounter {
public:
    bool Present() const override;
    TCPUIDRegs Execute(uint32_t Leaf, uint32_t SubLeaf) override;
    uint64_t ReadTimeStampCounter() override;
};

TProcessorCpuid& RunningProcessor();
