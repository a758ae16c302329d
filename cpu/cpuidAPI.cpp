#include "cpu/cpuidAPI.h"

#include <cstdio>
#include <initializer_list>

namespace {

// The bytes of each word from the lowest, as characters.
std::string WordsText(std::initializer_list<uint32_t> Words) {
    std::string Text;
    for (uint32_t Word : Words)
        for (int Byte = 0; Byte < 4; ++Byte) Text += static_cast<char>(Word >> (8 * Byte));
    return Text;
}

std::string UpToZero(std::string Text) { return Text.substr(0, Text.find('\0')); }

std::string HexGroups(uint32_t Word) {
    char Text[10];
    std::snprintf(Text, sizeof Text, "%04X-%04X", Word >> 16, Word & 0xFFFFu);
    return Text;
}

}  // namespace

bool TCpuidAPI::QueryLeaf(uint32_t Leaf, uint8_t Count, TCPUIDRegs& Regs) {
    if (!CPUIDPresent()) {
        FLastError = leNoCpuid;
        return false;
    }
    // Signed first: every extended leaf passes here and is checked by its callers.
    if (static_cast<int32_t>(HighestLeaf()) < static_cast<int32_t>(Leaf) && Leaf > HighestLeafEx()) {
        FLastError = leLeafRefused;
        return false;
    }
    for (int Run = 0; Run < Count; ++Run) Regs = FSources.Cpuid.Execute(Leaf, 0);
    FLastError = leNone;
    return true;
}

TCPUIDRegs TCpuidAPI::ExecuteLeaf(uint32_t Leaf, uint32_t SubLeaf) {
    if (CPUIDPresent()) return FSources.Cpuid.Execute(Leaf, SubLeaf);
    FLastError = leNoCpuid;
    return {};
}

int32_t TCpuidAPI::ExtendedLevels() {
    uint32_t Count = HighestLeafEx() & 0x7FFFFFFFu;
    return Count < 8 ? static_cast<int32_t>(Count) : 0;
}

std::string TCpuidAPI::VendorString() {
    TCPUIDRegs R;
    if (!QueryLeaf(cpuidVendorString, 1, R)) return "Unknown";
    std::string Vendor = UpToZero(WordsText({R.EBX, R.EDX, R.ECX}));
    return Vendor.size() < 12 ? "Unknown" : Vendor;
}

int32_t TCpuidAPI::Reading(uint32_t Leaf, uint32_t TCPUIDRegs::*Word, uint32_t Mask) {
    TCPUIDRegs R;
    if (QueryLeaf(Leaf, 1, R)) return static_cast<int32_t>(R.*Word & Mask);
    return FLastError == leNoCpuid ? -1 : 0;
}

int32_t TCpuidAPI::Signature() { return Reading(cpuidSignature, &TCPUIDRegs::EAX); }
int32_t TCpuidAPI::BrandIndex() { return Reading(cpuidSignature, &TCPUIDRegs::EBX, 0xFF); }
int32_t TCpuidAPI::FeatureWord() { return Reading(cpuidFeatures, &TCPUIDRegs::EDX); }
int32_t TCpuidAPI::FeatureWordEx() { return Reading(cpuidFeaturesEx, &TCPUIDRegs::EDX); }

int32_t TCpuidAPI::SignatureField(int Shift, uint32_t Mask) {
    if (!CPUIDPresent()) return -1;
    return static_cast<int32_t>((static_cast<uint32_t>(Signature()) >> Shift) & Mask);
}

// The extended fields count only when the basic field is at its maximum, 15.
int32_t TCpuidAPI::FamilyEx() {
    int32_t Basic = Family();
    return Basic == 15 ? SignatureField(20, 0xFF) : (Basic < 0 ? -1 : 0);
}

int32_t TCpuidAPI::ModelEx() {
    int32_t Basic = Model();
    return Basic == 15 ? SignatureField(16, 0xF) : (Basic < 0 ? -1 : 0);
}

std::string TCpuidAPI::BrandString() {
    std::string Brand;
    for (uint32_t Leaf : {cpuidBrandString1, cpuidBrandString2, cpuidBrandString3}) {
        TCPUIDRegs R;
        if (QueryLeaf(Leaf, 1, R)) Brand += WordsText({R.EAX, R.EBX, R.ECX, R.EDX});
    }
    return UpToZero(Brand);
}

std::string TCpuidAPI::SerialNumber() {
    TCPUIDRegs Signature, Serial;
    if (!QueryLeaf(cpuidSignature, 1, Signature) || !QueryLeaf(cpuidSerialNumber, 1, Serial)) return "";
    return HexGroups(Signature.EAX) + "-" + HexGroups(Serial.EDX) + "-" + HexGroups(Serial.ECX);
}
