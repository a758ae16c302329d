#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/native/cpu/CpuTestData.h"
#include "tests/native/cpu/FakeCpuSystem.h"
#include "tools/CpuInfoReport.h"
#include "tools/CpuinfoCommand.h"

namespace {

struct CpuinfoCommand : testing::Test {
    // The machine the command "runs on": a Pentium III at 1 GHz.
    TRecordedCpu Running{CpuidDump("pentium3-katmai.dump")};
    std::ostringstream Out, Err;

    int Run(std::vector<std::string_view> Args) { return RunCpuinfo(Args, Running.Sources(), Out, Err); }
};

TEST_F(CpuinfoCommand, HelpDescribesModesFormatAndFeatures) {
    EXPECT_EQ(ecOk, Run({"--help"}));
    for (const char* Text : {"--dump FILE", "--speed", "LEAF SUBLEAF: EAX EBX ECX EDX", "# processor-type: N",
                             "# no-cpuid", "cpuFamilyEx", "Streaming SIMD Extensions 2", "MMXEX"})
        EXPECT_NE(std::string::npos, Out.str().find(Text)) << Text;
}

TEST_F(CpuinfoCommand, RefusesWrongCommandLines) {
    for (std::vector<std::string_view> Args :
         {std::vector<std::string_view>{"--bogus"}, {"--dump"}, {"--dump", "a", "--dump", "b"}, {"--speed", "--dump", "a"}}) {
        Err.str("");
        EXPECT_EQ(ecUsage, Run(Args));
        EXPECT_FALSE(Err.str().empty());
    }
    EXPECT_TRUE(Out.str().empty());
}

TEST_F(CpuinfoCommand, ReportsUnreadableAndMalformedDumps) {
    EXPECT_EQ(ecBadDump, Run({"--dump", "/nonexistent/cpu.dump"}));
    EXPECT_NE(std::string::npos, Err.str().find("cannot read /nonexistent/cpu.dump"));

    std::string Path = testing::TempDir() + "malformed.dump";
    std::ofstream(Path) << "# fine\n00000000 00000000: 00000002 0 0 0\n00000001 00000000: 672\n";
    Err.str("");
    EXPECT_EQ(ecBadDump, Run({"--dump", Path}));
    EXPECT_NE(std::string::npos, Err.str().find(Path + ": line 3: ")) << Err.str();
    EXPECT_TRUE(Out.str().empty());
}

TEST_F(CpuinfoCommand, IdentifiesTheDumpNotTheMachine) {
    EXPECT_EQ(ecOk, Run({"--dump", (CpuidDataDir() / "amd-duron.dump").string()}));
    EXPECT_NE(std::string::npos, Out.str().find("\"FullName\": \"AMD Duron(tm) Processor\",\n"));
    EXPECT_NE(std::string::npos, Out.str().find("\"Speed\": 0,"));
}

TEST_F(CpuinfoCommand, MeasuresTheMachineOnlyWithSpeed) {
    EXPECT_EQ(ecOk, Run({}));
    EXPECT_NE(std::string::npos, Out.str().find("\"Speed\": 0,"));
    EXPECT_TRUE(Running.System.PriorityCalls.empty());
    Out.str("");
    EXPECT_EQ(ecOk, Run({"--speed"}));
    EXPECT_NE(std::string::npos, Out.str().find("\"Speed\": 1000,"));
    EXPECT_NE(std::string::npos, Out.str().find("\"FullName\": \"Intel Pentium III\","));
}

TEST(CpuinfoJson, WritesWindows1252TextAsUtf8) {
    EXPECT_EQ("\"AMD\"", JsonString("AMD"));
    EXPECT_EQ("\"\xE2\x82\xAC \xC3\xA9 \xC2\xAE \xE2\x84\xA2\"", JsonString("\x80 \xE9 \xAE \x99"));
    EXPECT_EQ("\"\\\" \\\\ \\u0001 \\u007F \\u0081\"", JsonString("\" \\ \x01 \x7F \x81"));
}

}  // namespace
