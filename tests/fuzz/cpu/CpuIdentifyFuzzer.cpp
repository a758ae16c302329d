// Arbitrary register values for every leaf the library and the processor
// page read, arbitrary system figures and an arbitrary clock: the
// identification must never crash or read out of bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "cpu/cpuidConst.h"
#include "tests/fuzz/cpu/IdentifyRecorded.h"

namespace {

constexpr uint32_t Leaves[] = {cpuidMaxLevel,     cpuidSignature,    cpuidCacheDescriptors, cpuidSerialNumber,
                               cpuidMaxLevelEx,   cpuidFeaturesEx,   cpuidBrandString1,     cpuidBrandString2,
                               cpuidBrandString3, cpuidL1Cache,      cpuidL2Cache,          cpuidCacheParameters,
                               cpuidCacheParametersAMD};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    FuzzedDataProvider Input(Data, Size);
    TCpuidDump Dump;
    Dump.SetPresent(Input.ConsumeBool());
    bool Bench = Input.ConsumeBool();
    int32_t Delay = Input.ConsumeIntegralInRange<int32_t>(-100, 3000);  // the virtual clock's ms are cheap
    uint32_t StartTicks = Input.ConsumeIntegral<uint32_t>();
    Dump.SetSystemInfo({Input.ConsumeIntegral<uint32_t>(), Input.ConsumeIntegral<uint32_t>()});
    for (uint32_t Leaf : Leaves) {
        TCPUIDRegs Regs;
        for (uint32_t* Word : {&Regs.EAX, &Regs.EBX, &Regs.ECX, &Regs.EDX}) *Word = Input.ConsumeIntegral<uint32_t>();
        Dump.AddLeaf(Leaf, Regs);
    }
    IdentifyRecorded(Dump, StartTicks, Bench, Delay);
    return 0;
}
