// The live processor through the 32-bit instructions and the Windows system.
#include <gtest/gtest.h>

#include "cpu/CpuInfo.h"
#include "cpu/cpuidDefault.h"
#include "cpu/cpuidProcessor.h"

namespace {

TCpuSources Running() { return {RunningProcessor(), RunningProcessor(), SystemCpuPlatform()}; }

TEST(Win32Cpu, ExecutesCpuidAndReadsTheCounter) {
    TProcessorCpuid& Processor = RunningProcessor();
    ASSERT_TRUE(Processor.Present());
    TCpuidAPI Api(Running());
    std::string Vendor = Api.VendorString();
    EXPECT_EQ(12u, Vendor.size()) << Vendor;
    EXPECT_NE("Unknown", Vendor);
    EXPECT_GE(Api.Family(), 5);
    uint64_t First = Processor.ReadTimeStampCounter();
    EXPECT_GT(Processor.ReadTimeStampCounter(), First);
}

TEST(Win32Cpu, ReportsTheSystemsProcessors) {
    TCpuSystemInfo Info = SystemCpuPlatform().GetSystemInfo();
    EXPECT_GE(Info.NumberOfProcessors, 1u);
#ifdef _WIN64
    EXPECT_EQ(8664u, Info.ProcessorType);  // a 64-bit program is told of an x64 processor
#else
    EXPECT_TRUE(Info.ProcessorType == 386 || Info.ProcessorType == 486 || Info.ProcessorType == 586)
        << Info.ProcessorType;
#endif
}

TEST(Win32Cpu, MeasuresTheClockAndRestoresPriorities) {
    TCpuPlatform& Platform = SystemCpuPlatform();
    uint32_t PriorityClass = Platform.GetPriorityClass();
    int ThreadPriority = Platform.GetThreadPriority();
    TCpuInfo Info(nullptr, Running());
    Info.AutoBench().SetEnabled(true);
    Info.AutoBench().SetDelay(100);
    Info.Loaded();
    EXPECT_GT(Info.Speed(), 0);
    EXPECT_EQ(PriorityClass, Platform.GetPriorityClass());
    EXPECT_EQ(ThreadPriority, Platform.GetThreadPriority());
}

}  // namespace
