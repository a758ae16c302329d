#include <gtest/gtest.h>

#include "cpu/cpuidDump.h"

namespace {

bool operator==(const TCPUIDRegs& A, const TCPUIDRegs& B) {
    return A.EAX == B.EAX && A.EBX == B.EBX && A.ECX == B.ECX && A.EDX == B.EDX;
}

TEST(CpuidDump, ReadsLeavesCommentsAndSystemFigures) {
    TCpuidDump Dump = TCpuidDump::Parse(
        "# a recorded processor\r\n"
        "\r\n"
        "  00000002 00000000: 03020101 00000000 00000000 0C040843  \r\n"
        "#processors: 4\n"
        "\t# processor-type:  686\n"
        "80000000 0:80000004 0 a bCdE\n"
        "# processors 8 is only a comment\n");
    EXPECT_TRUE(Dump.Present());
    EXPECT_EQ(4u, Dump.SystemInfo().NumberOfProcessors);
    EXPECT_EQ(686u, Dump.SystemInfo().ProcessorType);
    EXPECT_TRUE((Dump.Execute(2, 0) == TCPUIDRegs{0x03020101, 0, 0, 0x0C040843}));
    EXPECT_TRUE((Dump.Execute(0x80000000, 0) == TCPUIDRegs{0x80000004, 0, 0xA, 0xBCDE}));
    EXPECT_TRUE((Dump.Execute(1, 0) == TCPUIDRegs{})) << "a leaf not listed answers zeros";
}

TEST(CpuidDump, DefaultsAndNoCpuid) {
    TCpuidDump Plain = TCpuidDump::Parse("");
    EXPECT_TRUE(Plain.Present());
    EXPECT_EQ(1u, Plain.SystemInfo().NumberOfProcessors);
    EXPECT_EQ(586u, Plain.SystemInfo().ProcessorType);
    EXPECT_FALSE(TCpuidDump::Parse("# no-cpuid\n").Present());
}

TEST(CpuidDump, ASubLeafAnswersFromItsLineElseFromTheLeafsFirst) {
    TCpuidDump Dump = TCpuidDump::Parse(
        "00000004 00000001: 0000000A 0000000B 0000000C 0000000D\n"
        "00000004 00000000: 00000001 00000002 00000003 00000004\n"
        "00000004 00000001: 00000005 00000006 00000007 00000008\n");
    EXPECT_TRUE((Dump.Execute(4, 0) == TCPUIDRegs{1, 2, 3, 4}));
    EXPECT_TRUE((Dump.Execute(4, 1) == TCPUIDRegs{0xA, 0xB, 0xC, 0xD}));
    EXPECT_TRUE((Dump.Execute(4, 7) == TCPUIDRegs{0xA, 0xB, 0xC, 0xD})) << "the leaf's first line";
}

// The cache leaves are recorded one sub-leaf per cache, up to the one that
// ends the list; other leaves by their sub-leaf 0.
TEST(CpuidDump, RecordsTheCacheLeavesUpToTheirEnd) {
    TCpuidDump Processor = TCpuidDump::Parse(
        "00000000 00000000: 00000004 756E6547 6C65746E 49656E69\n"
        "00000004 00000000: 00000121 01C0003F 0000003F 00000000\n"
        "00000004 00000001: 00000122 01C0003F 0000003F 00000000\n"
        "00000004 00000002: 00000143 03C0003F 000003FF 00000000\n"
        "00000004 00000003: 00000000 00000000 00000000 00000000\n"
        "80000000 00000000: 8000001D 00000000 00000000 00000000\n"
        "8000001D 00000000: 00004121 01C0003F 0000003F 00000000\n"
        "8000001D 00000001: 00000000 00000000 00000000 00000000\n");
    const std::string Text = TCpuidDump::Record(Processor, {});
    TCpuidDump Recorded = TCpuidDump::Parse(Text);
    for (auto [Leaf, SubLeaf] : {std::pair{4u, 0u}, {4u, 2u}, {0x8000001Du, 0u}})
        EXPECT_TRUE((Recorded.Execute(Leaf, SubLeaf) == Processor.Execute(Leaf, SubLeaf))) << Leaf << " " << SubLeaf;
    EXPECT_NE(Text.find("00000004 00000003: 00000000"), std::string::npos);
    EXPECT_EQ(Text.find("00000004 00000004:"), std::string::npos);
    EXPECT_NE(Text.find("8000001D 00000001: 00000000"), std::string::npos);
    EXPECT_EQ(Text.find("00000003 00000001:"), std::string::npos);
}

class MalformedDumpLine : public testing::TestWithParam<const char*> {};

TEST_P(MalformedDumpLine, IsReportedWithItsNumber) {
    std::string Text = std::string("# fine\n00000000 00000000: 00000001 00000002 00000003 00000004\n") + GetParam() +
                       "\n00000001 00000000: 00000001 00000002 00000003 00000004\n";
    try {
        TCpuidDump::Parse(Text);
        FAIL() << "accepted: " << GetParam();
    } catch (const TCpuidDumpError& Error) {
        EXPECT_EQ(3, Error.Line());
        EXPECT_TRUE(std::string(Error.what()).starts_with("line 3: "));
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedDumpLine,
                         testing::Values("00000000 00000000: 1 2 3",            // three registers
                                         "00000000 00000000: 1 2 3 4 5",        // five
                                         "00000000 00000000 1 2 3 4",           // no colon
                                         "00000000: 1 2 3 4",                   // no sub-leaf
                                         "00000000 0 0: 1 2 3 4",               // two sub-leaves
                                         "0000000G 00000000: 1 2 3 4",          // not hexadecimal
                                         "00000000 00000000: 1 2 3 -4",         // signed
                                         "00000000 00000000: 1 2 3 0x4",        // prefixed
                                         "00000000 00000000: 1 2 3 100000000",  // nine digits
                                         "# processors: many",                  //
                                         "# processors:",                       //
                                         "# processors: 4294967296",            // beyond 32 bits
                                         "# processor-type: 5 86"));

}  // namespace
