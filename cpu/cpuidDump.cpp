#include "cpu/cpuidDump.h"

#include <vector>

#include "cpu/cpuidCacheLeaves.h"

namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view Trim(std::string_view Text) {
    size_t First = Text.find_first_not_of(Blanks);
    if (First == std::string_view::npos) return {};
    return Text.substr(First, Text.find_last_not_of(Blanks) - First + 1);
}

std::vector<std::string_view> Words(std::string_view Text) {
    std::vector<std::string_view> Result;
    for (Text = Trim(Text); !Text.empty(); Text = Trim(Text.substr(Result.back().size()))) {
        Result.push_back(Text.substr(0, Text.find_first_of(Blanks)));
    }
    return Result;
}

int DigitValue(char Digit, int Base) {
    int Value = Digit >= '0' && Digit <= '9'   ? Digit - '0'
                : Digit >= 'a' && Digit <= 'f' ? Digit - 'a' + 10
                : Digit >= 'A' && Digit <= 'F' ? Digit - 'A' + 10
                                               : Base;
    return Value < Base ? Value : -1;
}

// An unsigned 32-bit number, or nothing when the text is not one.
bool ParseNumber(std::string_view Text, int Base, uint32_t& Number) {
    uint64_t Value = 0;
    for (char Digit : Text) {
        int DigitNumber = DigitValue(Digit, Base);
        if (DigitNumber < 0) return false;
        Value = Value * Base + DigitNumber;
        if (Value > 0xFFFFFFFFu) return false;
    }
    Number = static_cast<uint32_t>(Value);
    return !Text.empty();
}

uint32_t HexWord(std::string_view Text, int Line) {
    uint32_t Word = 0;
    if (Text.size() > 8 || !ParseNumber(Text, 16, Word))
        throw TCpuidDumpError(Line, "'" + std::string(Text) + "' is not a hexadecimal word");
    return Word;
}

uint32_t SystemFigure(std::string_view Text, int Line) {
    uint32_t Figure = 0;
    if (!ParseNumber(Trim(Text), 10, Figure))
        throw TCpuidDumpError(Line, "'" + std::string(Trim(Text)) + "' is not a decimal number");
    return Figure;
}

void ReadComment(std::string_view Body, TCpuidDump& Dump, int Line) {
    constexpr std::string_view Processors = "processors:", ProcessorType = "processor-type:";
    TCpuSystemInfo Info = Dump.SystemInfo();
    if (Body == "no-cpuid")
        Dump.SetPresent(false);
    else if (Body.starts_with(Processors))
        Info.NumberOfProcessors = SystemFigure(Body.substr(Processors.size()), Line);
    else if (Body.starts_with(ProcessorType))
        Info.ProcessorType = SystemFigure(Body.substr(ProcessorType.size()), Line);
    Dump.SetSystemInfo(Info);
}

void ReadLeaf(std::string_view Text, TCpuidDump& Dump, int Line) {
    size_t Colon = Text.find(':');
    std::vector<std::string_view> Head = Words(Text.substr(0, Colon));
    std::vector<std::string_view> Registers =
        Colon == std::string_view::npos ? std::vector<std::string_view>{} : Words(Text.substr(Colon + 1));
    if (Head.size() != 2 || Registers.size() != 4)
        throw TCpuidDumpError(Line, "expected 'LEAF SUBLEAF: EAX EBX ECX EDX'");
    uint32_t Leaf = HexWord(Head[0], Line), SubLeaf = HexWord(Head[1], Line);
    Dump.AddLeaf(Leaf,
                 {HexWord(Registers[0], Line), HexWord(Registers[1], Line), HexWord(Registers[2], Line),
                  HexWord(Registers[3], Line)},
                 SubLeaf);
}

}  // namespace

TCpuidDump TCpuidDump::Parse(std::string_view Text) {
    TCpuidDump Dump;
    for (int Line = 1; !Text.empty(); ++Line) {
        size_t End = Text.find('\n');
        std::string_view Content = Trim(Text.substr(0, End));
        Text = End == std::string_view::npos ? std::string_view{} : Text.substr(End + 1);
        if (Content.starts_with('#'))
            ReadComment(Trim(Content.substr(1)), Dump, Line);
        else if (!Content.empty())
            ReadLeaf(Content, Dump, Line);
    }
    return Dump;
}

TCPUIDRegs TCpuidDump::Execute(uint32_t Leaf, uint32_t SubLeaf) {
    if (auto Listed = FSubLeaves.find({Leaf, SubLeaf}); Listed != FSubLeaves.end()) return Listed->second;
    auto First = FLeaves.find(Leaf);
    return First == FLeaves.end() ? TCPUIDRegs{} : First->second;
}

namespace {
std::string Hex8(uint32_t Value) {
    char text[9];
    for (int i = 7; i >= 0; --i, Value >>= 4) text[i] = "0123456789ABCDEF"[Value & 0xF];
    text[8] = 0;
    return text;
}

// Sub-leaf 0, and for a cache leaf each next one up to the first that
// describes no cache.
void RecordLeaf(TCpuidSource& Source, uint32_t Leaf, std::string& Text) {
    const bool Caches = Leaf == cpuidCacheParameters || Leaf == cpuidCacheParametersAMD;
    for (uint32_t SubLeaf = 0; SubLeaf < MaxCacheSubLeaves; ++SubLeaf) {
        TCPUIDRegs Regs = Source.Execute(Leaf, SubLeaf);
        Text += Hex8(Leaf) + " " + Hex8(SubLeaf) + ": " + Hex8(Regs.EAX) + " " + Hex8(Regs.EBX) + " " + Hex8(Regs.ECX) +
                " " + Hex8(Regs.EDX) + "\n";
        if (!Caches || CacheType(Regs) == ctNoCache) return;
    }
}

// Leaves First to the highest that First reports, within the record's limit.
void RecordRange(TCpuidSource& Source, uint32_t First, std::string& Text) {
    uint32_t Highest = Source.Execute(First, 0).EAX;
    if (Highest < First || Highest - First >= TCpuidDump::MaxRecordedLeaves)
        Highest = Highest < First ? First : First + TCpuidDump::MaxRecordedLeaves - 1;
    for (uint32_t Leaf = First; Leaf <= Highest; ++Leaf) RecordLeaf(Source, Leaf, Text);
}
}  // namespace

std::string TCpuidDump::Record(TCpuidSource& Source, const TCpuSystemInfo& System) {
    std::string Text = "# processors: " + std::to_string(System.NumberOfProcessors) + "\n" +
                       "# processor-type: " + std::to_string(System.ProcessorType) + "\n";
    if (!Source.Present()) return Text + "# no-cpuid\n";
    RecordRange(Source, 0, Text);
    RecordRange(Source, 0x80000000u, Text);
    return Text;
}
