#include "tests/fakes/FakeMemoryApi.h"

#include <algorithm>
#include <cstring>

namespace {
// Fresh blocks carry this pattern so that a block nobody wrote is seen.
constexpr unsigned char Garbage = 0xA5;

bool AllZero(const unsigned char* Bytes, size_t Size) {
    static const std::vector<unsigned char> Zeros(1 << 20);
    for (size_t Done = 0; Done < Size; Done += Zeros.size()) {
        size_t Chunk = std::min(Size - Done, Zeros.size());
        if (std::memcmp(Bytes + Done, Zeros.data(), Chunk) != 0) return false;
    }
    return true;
}
}  // namespace

void* TFakeMemoryApi::CommitBlock(size_t Size) {
    int Number = FCommits++;
    if (FFailing.count(Number)) return nullptr;
    auto Bytes = std::make_unique_for_overwrite<unsigned char[]>(Size);
    std::memset(Bytes.get(), Garbage, Size);
    void* Address = Bytes.get();
    FHeld.emplace(Address, TBlock{Number, Size, std::move(Bytes)});
    FPeakHeld = std::max(FPeakHeld, Held());
    return Address;
}

void TFakeMemoryApi::ReleaseBlock(void* Block) {
    auto It = FHeld.find(Block);
    if (It == FHeld.end()) {
        ++FBadReleases;
        return;
    }
    if (!AllZero(It->second.Bytes.get(), It->second.Size)) ++FUnzeroedReleases;
    FReleaseOrder.push_back(It->second.Number);
    FHeld.erase(It);
}
