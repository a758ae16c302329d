#include "cpu/cpuidCache.h"

#include <array>
#include <optional>
#include <span>

#include "cpu/cpuidIntf.h"

namespace {

// Entry 4r + k is byte k of register r (EAX, EBX, ECX, EDX), every byte
// included, even the repeat count and those of registers with bit 31 set.
using TDescriptorTable = std::array<uint8_t, 16>;

struct TDescriptor {
    uint8_t Code;
    int32_t Size;
};

constexpr TDescriptor L1CodeDescriptors[] = {{0x06, 8}, {0x08, 16}};
constexpr TDescriptor L1DataDescriptors[] = {{0x0A, 8}, {0x0C, 16}};
constexpr TDescriptor UnifiedL1Descriptors[] = {{0x80, 16}};
// 0x40 (no level-2 cache) ends the scan.
constexpr TDescriptor L2Descriptors[] = {{0x40, 0},    {0x41, 128},  {0x42, 256},  {0x43, 512},  {0x44, 1024},
                                         {0x45, 2048}, {0x82, 256},  {0x83, 512},  {0x84, 1024}, {0x85, 2048}};

TDescriptorTable DescriptorTable(const TCPUIDRegs& R) {
    TDescriptorTable Table{};
    const uint32_t Words[] = {R.EAX, R.EBX, R.ECX, R.EDX};
    for (size_t Entry = 0; Entry < Table.size(); ++Entry)
        Table[Entry] = static_cast<uint8_t>(Words[Entry / 4] >> (8 * (Entry % 4)));
    return Table;
}

int32_t Scan(const std::optional<TDescriptorTable>& Table, std::span<const TDescriptor> Known) {
    if (!Table) return 0;
    for (uint8_t Entry : *Table)
        for (const TDescriptor& Descriptor : Known)
            if (Entry == Descriptor.Code) return Descriptor.Size;
    return 0;
}

// Leaf 2's low byte of EAX says how often to execute it for the full table.
std::optional<TDescriptorTable> StandardDescriptors(TCpuidAPI& Api) {
    TCPUIDRegs R;
    if (!Api.QueryLeaf(cpuidCacheDescriptors, 1, R)) return std::nullopt;
    uint8_t Repeat = R.EAX & 0xFF;
    if (Repeat >= 2) Api.QueryLeaf(cpuidCacheDescriptors, Repeat, R);
    return DescriptorTable(R);
}

bool ExtendedCacheLeaves(TCpuidAPI& Api) { return Api.ExtendedLevels() >= 6; }

// With extended cache leaves, Cyrix puts descriptors in leaf 0x80000005 and
// the others put the size in the top byte of the given register.
int32_t Level1Cache(TCpuidAPI& Api, uint32_t TCPUIDRegs::*SizeWord, std::span<const TDescriptor> Known) {
    if (!ExtendedCacheLeaves(Api)) return Scan(StandardDescriptors(Api), Known);
    TCPUIDRegs R = Api.ExecuteLeaf(cpuidL1Cache);
    if (VendorIndex(Api) == viCyrix) return Scan(DescriptorTable(R), Known);
    return static_cast<int32_t>(R.*SizeWord >> 24);
}

}  // namespace

int32_t Level2Cache(TCpuidAPI& Api) {
    if (!ExtendedCacheLeaves(Api)) return Scan(StandardDescriptors(Api), L2Descriptors);
    int Vendor = VendorIndex(Api);
    if (Vendor == viCyrix) return Scan(DescriptorTable(Api.ExecuteLeaf(cpuidL2Cache)), L2Descriptors);
    // Early Durons report a wrong size in that leaf.
    if (Vendor == viAMD && Api.Family() == 6 && Api.Model() == 3) return 64;
    TCPUIDRegs R;
    return Api.QueryLeaf(cpuidL2Cache, 1, R) ? static_cast<int32_t>(R.ECX >> 16) : 0;
}

TCacheSizes CacheSizes(TCpuidAPI& Api) {
    TCacheSizes Sizes;
    Sizes.L1Code = Level1Cache(Api, &TCPUIDRegs::EDX, L1CodeDescriptors);
    Sizes.L1Data = Level1Cache(Api, &TCPUIDRegs::ECX, L1DataDescriptors);
    Sizes.Level1 = Scan(DescriptorTable(Api.ExecuteLeaf(cpuidL1Cache)), UnifiedL1Descriptors);
    Sizes.Level2 = Level2Cache(Api);
    return Sizes;
}
