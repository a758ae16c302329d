#include "tools/CpuinfoCommand.h"

#include <optional>
#include <string>
#include <vector>

#include "cpu/CpuFeatureTable.h"
#include "cpu/CpuInfo.h"
#include "cpu/cpuidDump.h"
#include "tools/CpuInfoReport.h"
#include "core/FileBytes.h"

namespace {

constexpr int32_t SpeedDelay = 500;  // ms

struct TOptions {
    bool Help = false;
    bool Speed = false;
    std::optional<std::string> Dump;
    std::optional<std::string> Record;
};

void WriteHelp(std::ostream& Out) {
    Out << "Usage: cpuinfo [--speed]\n"
           "       cpuinfo --dump FILE\n"
           "       cpuinfo --record FILE\n"
           "       cpuinfo --help\n"
           "\n"
           "Identifies the processor this runs on, or with --dump the one recorded in\n"
           "FILE, and writes one JSON object (UTF-8) of the TCpuInfo component's results:\n"
           "Available, MaxLevel, MaxLevelEx, VendorID, Vendor, CPU, FullName, cpuFamily,\n"
           "cpuFamilyEx, cpuModel, cpuModelEx, cpuStepping, cpuType, Signature, Brand,\n"
           "FeatureSet, FeatureSetEx (numbers as signed 32-bit decimals), MMX, OverDrive,\n"
           "FDivBug, Serial, Count, Speed, L1Code, L1Data, Level1, Level2 (KB), and\n"
           "Features, the processor page's feature codes mapped to true or false.\n"
           "FullName is taken after loading, with the clock measurement off unless\n"
           "--speed says so; then Speed is measured over 500 ms of this machine's clock,\n"
           "which is why --speed does not go with --dump.\n"
           "--record FILE writes this processor's leaves to FILE as a dump, so that a\n"
           "processor can be identified elsewhere with --dump; exit code 1 when FILE\n"
           "cannot be written.\n"
           "\n"
           "A dump has one line per leaf, hexadecimal:\n"
           "  LEAF SUBLEAF: EAX EBX ECX EDX\n"
           "  00000002 00000000: 03020101 00000000 00000000 0C040843\n"
           "Lines starting with # are comments, except:\n"
           "  # processors: N       the system's processor count (default 1)\n"
           "  # processor-type: N   the system's dwProcessorType (default 586)\n"
           "  # no-cpuid            the processor has no CPUID instruction\n"
           "A leaf answers a listed sub-leaf with that sub-leaf's first line and any\n"
           "other with its own first line; a leaf not listed answers four zero words.\n"
           "The cache leaves (4, 8000001D) are recorded up to their first empty\n"
           "sub-leaf. A malformed line is reported with its number and ends the\n"
           "command with exit code 1; a wrong command line gives 2.\n"
           "\n"
           "Features:\n";
    for (const TCpuFeatureRow& Row : CpuFeatureTable) {
        std::string Code = Row.Code;
        Out << "  " << Code << std::string(10 - Code.size(), ' ') << Row.Description << "\n";
    }
}

// nullopt after writing the complaint.
std::optional<TOptions> ReadOptions(std::span<const std::string_view> Args, std::ostream& Err) {
    TOptions Options;
    for (size_t Index = 0; Index < Args.size(); ++Index) {
        std::string_view Arg = Args[Index];
        if (Arg == "--help" || Arg == "-h") {
            Options.Help = true;
        } else if (Arg == "--speed") {
            Options.Speed = true;
        } else if (Arg == "--dump" && Index + 1 < Args.size() && !Options.Dump && !Options.Record) {
            Options.Dump = std::string(Args[++Index]);
        } else if (Arg == "--record" && Index + 1 < Args.size() && !Options.Dump && !Options.Record) {
            Options.Record = std::string(Args[++Index]);
        } else {
            Err << "cpuinfo: unexpected '" << Arg << "'; see cpuinfo --help\n";
            return std::nullopt;
        }
    }
    if (Options.Speed && (Options.Dump || Options.Record)) {
        Err << "cpuinfo: --speed goes with neither --dump nor --record\n";
        return std::nullopt;
    }
    return Options;
}

void Identify(const TCpuSources& Sources, bool Speed, std::ostream& Out) {
    TCpuInfo Info(nullptr, Sources);
    Info.AutoBench().SetEnabled(Speed);
    Info.AutoBench().SetDelay(SpeedDelay);
    Info.Loaded();
    Out << CpuInfoJson(Info);
}

int IdentifyDump(const std::string& Path, const TCpuSources& Running, std::ostream& Out, std::ostream& Err) {
    std::optional<std::vector<uint8_t>> Bytes = ReadFileBytes(Path);
    if (!Bytes) {
        Err << "cpuinfo: cannot read " << Path << "\n";
        return ecBadDump;
    }
    try {
        TCpuidDump Dump = TCpuidDump::Parse(std::string(Bytes->begin(), Bytes->end()));
        TRecordedPlatform Platform(Dump, Running.Platform);
        Identify({Dump, Running.Counter, Platform}, false, Out);
        return ecOk;
    } catch (const TCpuidDumpError& Error) {
        Err << "cpuinfo: " << Path << ": " << Error.what() << "\n";
        return ecBadDump;
    }
}

int Record(const std::string& Path, const TCpuSources& Running, std::ostream& Err) {
    std::string Text = TCpuidDump::Record(Running.Cpuid, Running.Platform.GetSystemInfo());
    if (!WriteFileBytes(Path, Text)) {
        Err << "cpuinfo: cannot write " << Path << "\n";
        return ecBadDump;
    }
    return ecOk;
}

}  // namespace

int RunCpuinfo(std::span<const std::string_view> Args, const TCpuSources& Running, std::ostream& Out,
               std::ostream& Err) {
    std::optional<TOptions> Options = ReadOptions(Args, Err);
    if (!Options) return ecUsage;
    if (Options->Help) {
        WriteHelp(Out);
        return ecOk;
    }
    if (Options->Dump) return IdentifyDump(*Options->Dump, Running, Out, Err);
    if (Options->Record) return Record(*Options->Record, Running, Err);
    Identify(Running, Options->Speed, Out);
    return ecOk;
}
