#include <gtest/gtest.h>

#include "cpu/CpuInfo.h"
#include "tests/native/cpu/CpuTestData.h"
#include "tests/native/cpu/FakeCpuSystem.h"
#include "tools/CpuInfoReport.h"

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

TEST(CpuInfo, ResultsIgnoreWrites) {
    TRecordedCpu Cpu(CpuidDump("amd-duron.dump"));
    TCpuInfo Info(nullptr, Cpu.Sources());
    Info.Loaded();
    const auto Before = CpuInfoFields(Info);

    TCpuIdInfo& Id = Info.CPUID();
    Id.SetAvailable(false); Id.SetMaxLevel(99); Id.SetMaxLevelEx(99);
    TCpuDetectedInfo& Detected = Info.InternalResults();
    Detected.SetcpuFamily(9); Detected.SetcpuFamilyEx(9); Detected.SetcpuModel(9); Detected.SetcpuModelEx(9);
    Detected.SetcpuStepping(9); Detected.SetcpuType(3); Detected.SetFeatureSet(0); Detected.SetFeatureSetEx(0);
    Detected.SetSignature(0); Detected.SetVendorID("GenuineIntel"); Detected.SetBrand(8);
    TCpuFeatureSet& Std = Info.FeatureSet();
    Std.SetFPU(false); Std.SetVME(false); Std.SetDE(false); Std.SetPSE(false); Std.SetTSC(false);
    Std.SetMSR(false); Std.SetPAE(false); Std.SetMCE(false); Std.SetCX8(false); Std.SetAPIC(false);
    Std.SetSEP(false); Std.SetMTRR(false); Std.SetPGE(false); Std.SetMCA(false); Std.SetCMOV(false);
    Std.SetPAT(false); Std.SetPSE36(false); Std.SetSERIAL(true); Std.SetMMX(false); Std.SetXSR(false);
    Std.SetSIMD(true); Std.SetSIMD2(true); Std.SetCLFLUSH(true); Std.SetDTS(true); Std.SetACPI(true);
    Std.SetSS(true); Std.SetTM(true);
    TCpuExFeatureSet& Ex = Info.FeatureSetEx();
    Ex.SetMMXEx(false); Ex.SetAMD3DNow(false); Ex.SetAMD3DNowEx(false);
    TCpuCacheInfo& Cache = Info.Cache();
    Cache.SetL1Data(1); Cache.SetL1Code(1); Cache.SetLevel1(1); Cache.SetLevel2(1);
    Info.SetCount(7); Info.SetCPU("486"); Info.SetFDivBug(true); Info.SetFullName("x"); Info.SetOverDrive(true);
    Info.SetMMX(false); Info.SetSpeed(1); Info.SetSerial("1"); Info.SetVendor("y");

    EXPECT_EQ(Before, CpuInfoFields(Info));
}

}  // namespace
