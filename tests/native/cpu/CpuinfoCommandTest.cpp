#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/native/cpu/CpuTestData.h"
#include "tests/fakes/FakeCpuSystem.h"
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
    Err.str("");
    EXPECT_EQ(ecBadDump, Run({"--dump", testing::TempDir()})) << "a folder opens but cannot be read";
    EXPECT_NE(std::string::npos, Err.str().find("cannot read"));

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

// A recording of the machine, read back with --dump, identifies the same
// processor, whatever the model (with brand string, extended leaves, no CPUID).
TEST(CpuinfoRecord, ADumpOfTheRecordingIdentifiesLikeTheMachine) {
    for (const char* Name : {"amd-duron.dump", "pentium3-katmai.dump", "no-cpuid-486.dump"}) {
        TRecordedCpu Machine(CpuidDump(Name));
        std::ostringstream Live, Replayed, Err;
        std::string Path = testing::TempDir() + "recorded.dump";
        ASSERT_EQ(ecOk, RunCpuinfo(std::vector<std::string_view>{}, Machine.Sources(), Live, Err)) << Name;
        ASSERT_EQ(ecOk, RunCpuinfo(std::vector<std::string_view>{"--record", Path}, Machine.Sources(), Live, Err)) << Name;
        TRecordedCpu Other(CpuidDump("pentium3-katmai.dump"));
        ASSERT_EQ(ecOk, RunCpuinfo(std::vector<std::string_view>{"--dump", Path}, Other.Sources(), Replayed, Err))
            << Name << Err.str();
        EXPECT_EQ(Live.str(), Replayed.str()) << Name;
    }
}

TEST_F(CpuinfoCommand, ReportsARecordThatCannotBeWritten) {
    EXPECT_EQ(ecBadDump, Run({"--record", "/nonexistent/dir/cpu.dump"}));
    EXPECT_NE(std::string::npos, Err.str().find("cannot write /nonexistent/dir/cpu.dump"));
    Err.str("");
    EXPECT_EQ(ecUsage, Run({"--record", "a", "--dump", "b"}));
}

TEST(CpuinfoJson, WritesWindows1252TextAsUtf8) {
    EXPECT_EQ("\"AMD\"", JsonString("AMD"));
    EXPECT_EQ("\"\xE2\x82\xAC \xC3\xA9 \xC2\xAE \xE2\x84\xA2\"", JsonString("\x80 \xE9 \xAE \x99"));
    EXPECT_EQ("\"\\\" \\\\ \\u0001 \\u007F \\u0081\"", JsonString("\" \\ \x01 \x7F \x81"));
}

}  // namespace
