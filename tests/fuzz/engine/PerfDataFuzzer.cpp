// Arbitrary bytes as the answer of the performance-data query: read them, and
// check that what was read is what the sampler may rely on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/PerfData.h"

namespace {

// A count sizes the sampler's arrays: at least one instance, never more than the bytes.
bool Consistent(const TProcessorData& Read, size_t Size) {
    if (Read.Find == pfNoObject || Read.Find == pfNotProvided) return Read.NumInstances == 0 && Read.IdleTimes.empty();
    if (Read.NumInstances < 1 || static_cast<size_t>(Read.NumInstances) > Size) return false;
    return Read.IdleTimes.size() == (Read.Find == pfFound ? static_cast<size_t>(Read.NumInstances) : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (!Consistent(ParseProcessorData(std::span(Data, Size)), Size)) std::abort();
    return 0;
}
