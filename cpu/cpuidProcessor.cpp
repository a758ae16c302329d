// The one place that executes the processor's identification instructions;
// everything else decodes what a TCpuidSource answers.
#include "cpu/cpuidProcessor.h"

#include <cstdint>

#if !defined(__i386__) && !defined(__x86_64__)
#error "CPUID and RDTSC need an x86 processor"
#endif

namespace {
constexpr uintptr_t IdFlag = 0x200000;  // bit 21 of the flags register
}

bool TProcessorCpuid::Present() const {
    // Invert bit 21 and see whether it stays inverted; then put the flags back.
    uintptr_t Before = 0, After = 0;  // register-wide
#if defined(__x86_64__)
    asm volatile(
        "pushfq\n\t"
        "popq %0\n\t"
        "movq %0, %1\n\t"
        "xorq %2, %1\n\t"
        "pushq %1\n\t"
        "popfq\n\t"
        "pushfq\n\t"
        "popq %1\n\t"
        "pushq %0\n\t"
        "popfq"
        : "=&r"(Before), "=&r"(After)
        : "i"(IdFlag)
        : "cc");
#else
    asm volatile(
        "pushfl\n\t"
        "popl %0\n\t"
        "movl %0, %1\n\t"
        "xorl %2, %1\n\t"
        "pushl %1\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %1\n\t"
        "pushl %0\n\t"
        "popfl"
        : "=&r"(Before), "=&r"(After)
        : "i"(IdFlag)
        : "cc");
#endif
    return ((Before ^ After) & IdFlag) != 0;
}

TCPUIDRegs TProcessorCpuid::Execute(uint32_t Leaf, uint32_t SubLeaf) {
    TCPUIDRegs R;
    asm volatile("cpuid" : "=a"(R.EAX), "=b"(R.EBX), "=c"(R.ECX), "=d"(R.EDX) : "a"(Leaf), "c"(SubLeaf));
    return R;
}

uint64_t TProcessorCpuid::ReadTimeStampCounter() {
    uint32_t Low = 0, High = 0;
    asm volatile("rdtsc" : "=a"(Low), "=d"(High));
    return (static_cast<uint64_t>(High) << 32) | Low;
}

TProcessorCpuid& RunningProcessor() {
    static TProcessorCpuid Processor;
    return Processor;
}
