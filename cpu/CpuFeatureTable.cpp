#include "cpu/CpuFeatureTable.h"

#include "cpu/CpuInfo.h"

#define STANDARD(Name) [](const TCpuInfo& Info) { return Info.FeatureSet().Name(); }
#define EXTENDED(Name) [](const TCpuInfo& Info) { return Info.FeatureSetEx().Name(); }

const std::array<TCpuFeatureRow, 30> CpuFeatureTable = {{
    {"FPU", "Floating Point Processor", STANDARD(FPU)},
    {"VME", "Virtual Mode Extension", STANDARD(VME)},
    {"DE", "Debugging Extension", STANDARD(DE)},
    {"PSE", "Page Size Extension", STANDARD(PSE)},
    {"TSC", "Time Stamp Counter", STANDARD(TSC)},
    {"MSR", "Model Specific Registers", STANDARD(MSR)},
    {"PAE", "Physical Address Extension", STANDARD(PAE)},
    {"MCE", "Machine Check Exception", STANDARD(MCE)},
    {"CX8", "CMPXCHG8 Instruction", STANDARD(CX8)},
    {"APIC", "On-chip APIC Hardware", STANDARD(APIC)},
    {"SEP", "Fast System Call", STANDARD(SEP)},
    {"MTRR", "Memory Type Range Registers", STANDARD(MTRR)},
    {"PGE", "Page Global Enable", STANDARD(PGE)},
    {"MCA", "Machine Check Architecture", STANDARD(MCA)},
    {"CMOV", "Conditional Move Instruction", STANDARD(CMOV)},
    {"PAT", "Page Attribute Table", STANDARD(PAT)},
    {"PSE36", "36-bit Page Size Extension", STANDARD(PSE36)},
    {"SERIAL", "Processor Serial Number", STANDARD(SERIAL)},
    {"CLFLUSH", "CLFLUSH Instruction", STANDARD(CLFLUSH)},
    {"DTS", "Debug Trace Store", STANDARD(DTS)},
    {"ACPI", "Advanced Configuration and Power Management Interface", STANDARD(ACPI)},
    {"MMX", "MMX Extensions", STANDARD(MMX)},
    {"FXSR", "Floating Point Save and Restore", STANDARD(XSR)},
    {"SIMD", "Streaming SIMD Extensions", STANDARD(SIMD)},
    {"SIMD2", "Streaming SIMD Extensions 2", STANDARD(SIMD2)},
    {"SS", "Self-Snoop", STANDARD(SS)},
    {"TM", "Thermal Monitor Supported", STANDARD(TM)},
    {"3DNOW", "3DNow! Extensions", EXTENDED(AMD3DNow)},
    {"3DNOWEX", "Enhanced 3DNow! Extensions", EXTENDED(AMD3DNowEx)},
    {"MMXEX", "Enhanced MMX Extensions", EXTENDED(MMXEx)},
}};
