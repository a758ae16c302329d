#pragma once
// The CPUID leaves the library executes, one name per use.
#include <cstdint>

constexpr uint32_t cpuidMaxLevel = 0;
constexpr uint32_t cpuidVendorString = 0;
constexpr uint32_t cpuidSignature = 1;
constexpr uint32_t cpuidFeatures = 1;
constexpr uint32_t cpuidCacheDescriptors = 2;
constexpr uint32_t cpuidSerialNumber = 3;
constexpr uint32_t cpuidMaxLevelEx = 0x80000000;
constexpr uint32_t cpuidFeaturesEx = 0x80000001;
constexpr uint32_t cpuidBrandString1 = 0x80000002;
constexpr uint32_t cpuidBrandString2 = 0x80000003;
constexpr uint32_t cpuidBrandString3 = 0x80000004;
constexpr uint32_t cpuidL1Cache = 0x80000005;
constexpr uint32_t cpuidL2Cache = 0x80000006;

// Read for the processor page, beside the identification: one cache per
// sub-leaf (Intel and others; AMD's own leaf, where its topology extensions
// bit says it is there).
constexpr uint32_t cpuidCacheParameters = 4;
constexpr uint32_t cpuidCacheParametersAMD = 0x8000001D;
constexpr int cpuidTopologyExtensionsBit = 22;  // of ECX of leaf 0x80000001
