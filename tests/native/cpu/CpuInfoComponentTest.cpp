#include <gtest/gtest.h>

#include "cpu/CpuInfo.h"
#include "tests/native/cpu/CpuTestData.h"
#include "tests/fakes/FakeCpuSystem.h"

namespace {

TEST(CpuInfo, TakesTheBrandStringAsFullNameOnlyAtLoaded) {
    TRecordedCpu Cpu(CpuidDump("amd-duron.dump"));
    TCpuInfo Info(nullptr, Cpu.Sources());
    EXPECT_EQ("AMD Duron", Info.FullName());
    Info.Loaded();
    EXPECT_EQ("AMD Duron(tm) Processor", Info.FullName());
    EXPECT_EQ("Duron", Info.CPU());
    EXPECT_EQ("Advanced Micro Devices", Info.Vendor());
}

}  // namespace
