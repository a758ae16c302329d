#pragma once
// The processor the program runs on.
#include "cpu/cpuidSource.h"

class TProcessorCpuid : public TCpuidSource, public TTimeStampCounter {
public:
    bool Present() const override;
    TCPUIDRegs Execute(uint32_t Leaf) override;
    uint64_t ReadTimeStampCounter() override;
};

TProcessorCpuid& RunningProcessor();
