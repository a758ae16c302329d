#include "tools/CpuInfoReport.h"

#include <cstdint>
#include <cstdio>

#include "cpu/CpuFeatureTable.h"
#include "cpu/CpuInfo.h"

namespace {

// Windows-1252's 0x80 to 0x9F; the five unassigned bytes keep their C1 code.
constexpr char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char Byte) { return Byte >= 0x80 && Byte < 0xA0 ? Cp1252High[Byte - 0x80] : Byte; }

void AppendUtf8(std::string& Out, char32_t Code) {
    if (Code < 0x80) {
        Out += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Out += static_cast<char>(0xC0 | (Code >> 6));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    } else {
        Out += static_cast<char>(0xE0 | (Code >> 12));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

std::string Bool(bool Value) { return Value ? "true" : "false"; }
std::string Number(int32_t Value) { return std::to_string(Value); }

std::string FeaturesObject(const TCpuInfo& Info) {
    std::string Object = "{";
    for (const TCpuFeatureRow& Row : CpuFeatureTable) {
        if (Object.size() > 1) Object += ", ";
        Object += JsonString(Row.Code) + ": " + Bool(Row.Supported(Info));
    }
    return Object + "}";
}

}  // namespace

std::string JsonString(std::string_view Text) {
    std::string Json = "\"";
    for (unsigned char Byte : Text) {
        char32_t Code = CodePoint(Byte);
        if (Code == '"' || Code == '\\') {
            Json += '\\';
            Json += static_cast<char>(Code);
        } else if (Code < 0x20 || (Code >= 0x7F && Code < 0xA0)) {
            char Escape[8];
            std::snprintf(Escape, sizeof Escape, "\\u%04X", static_cast<unsigned>(Code));
            Json += Escape;
        } else {
            AppendUtf8(Json, Code);
        }
    }
    return Json + "\"";
}

std::vector<std::pair<std::string, std::string>> CpuInfoFields(const TCpuInfo& Info) {
    const TCpuIdInfo& Cpuid = Info.CPUID();
    const TCpuDetectedInfo& Detected = Info.InternalResults();
    const TCpuCacheInfo& Cache = Info.Cache();
    return {
        {"Available", Bool(Cpuid.Available())},
        {"MaxLevel", Number(Cpuid.MaxLevel())},
        {"MaxLevelEx", Number(Cpuid.MaxLevelEx())},
        {"VendorID", JsonString(Detected.VendorID())},
        {"Vendor", JsonString(Info.Vendor())},
        {"CPU", JsonString(Info.CPU())},
        {"FullName", JsonString(Info.FullName())},
        {"cpuFamily", Number(Detected.cpuFamily())},
        {"cpuFamilyEx", Number(Detected.cpuFamilyEx())},
        {"cpuModel", Number(Detected.cpuModel())},
        {"cpuModelEx", Number(Detected.cpuModelEx())},
        {"cpuStepping", Number(Detected.cpuStepping())},
        {"cpuType", Number(Detected.cpuType())},
        {"Signature", Number(Detected.Signature())},
        {"Brand", Number(Detected.Brand())},
        {"FeatureSet", Number(Detected.FeatureSet())},
        {"FeatureSetEx", Number(Detected.FeatureSetEx())},
        {"MMX", Bool(Info.MMX())},
        {"OverDrive", Bool(Info.OverDrive())},
        {"FDivBug", Bool(Info.FDivBug())},
        {"Serial", JsonString(Info.Serial())},
        {"Count", Number(Info.Count())},
        {"Speed", Number(Info.Speed())},
        {"L1Code", Number(Cache.L1Code())},
        {"L1Data", Number(Cache.L1Data())},
        {"Level1", Number(Cache.Level1())},
        {"Level2", Number(Cache.Level2())},
        {"Features", FeaturesObject(Info)},
    };
}

std::string CpuInfoJson(const TCpuInfo& Info) {
    std::string Json = "{";
    for (const auto& [Key, Value] : CpuInfoFields(Info)) {
        Json += Json.size() > 1 ? ",\n  " : "\n  ";
        Json += JsonString(Key) + ": " + Value;
    }
    return Json + "\n}\n";
}
