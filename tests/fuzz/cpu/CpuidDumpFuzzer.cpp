// Arbitrary text as a CPUID dump: read it, and identify what it records.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/cpu/IdentifyRecorded.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    try {
        TCpuidDump Dump = TCpuidDump::Parse(std::string_view(reinterpret_cast<const char*>(Data), Size));
        IdentifyRecorded(Dump, 0, false, 0);
    } catch (const TCpuidDumpError&) {
    }
    return 0;
}
