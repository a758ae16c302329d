// Every recorded processor under tests/data/cpuid states what identifying it
// must give, in lines "# expect KEY VALUE": KEY a property of the cpuinfo
// report (or Features.CODE), VALUE its JSON text.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "cpu/CpuFeatureTable.h"
#include "cpu/CpuInfo.h"
#include "tests/native/cpu/CpuTestData.h"
#include "tests/fakes/FakeCpuSystem.h"
#include "tools/CpuInfoReport.h"

namespace {

using TExpectation = std::pair<std::string, std::string>;

std::vector<TExpectation> Expectations(const std::string& Dump) {
    const std::string Marker = "# expect ";
    std::vector<TExpectation> Found;
    std::istringstream Lines(Dump);
    for (std::string Line; std::getline(Lines, Line);) {
        if (!Line.starts_with(Marker)) continue;
        size_t Space = Line.find(' ', Marker.size());
        Found.emplace_back(Line.substr(Marker.size(), Space - Marker.size()), Line.substr(Space + 1));
    }
    return Found;
}

std::string Reported(const TCpuInfo& Info, const std::string& Key) {
    const std::string Features = "Features.";
    if (Key.starts_with(Features)) {
        auto Row = std::ranges::find_if(CpuFeatureTable, [&](auto& R) { return Features + R.Code == Key; });
        if (Row == CpuFeatureTable.end()) return "no such feature";
        return Row->Supported(Info) ? "true" : "false";
    }
    for (const auto& [Name, Value] : CpuInfoFields(Info))
        if (Name == Key) return Value;
    return "no such property";
}

std::vector<std::string> DumpNames() {
    std::vector<std::string> Names;
    for (const auto& Entry : std::filesystem::recursive_directory_iterator(CpuidDataDir()))
        if (Entry.path().extension() == ".dump")
            Names.push_back(std::filesystem::relative(Entry.path(), CpuidDataDir()).string());
    std::ranges::sort(Names);
    return Names;
}

class RecordedProcessor : public testing::TestWithParam<std::string> {};

TEST_P(RecordedProcessor, IdentifiesAsExpected) {
    std::string Dump = CpuidDump(GetParam());
    std::vector<TExpectation> Expected = Expectations(Dump);
    ASSERT_FALSE(Expected.empty()) << "a dump without expectations tests nothing";
    TRecordedCpu Cpu(Dump);
    TCpuInfo Info(nullptr, Cpu.Sources());
    Info.Loaded();
    for (const auto& [Key, Value] : Expected) EXPECT_EQ(Value, Reported(Info, Key)) << Key;
}

TEST(RecordedProcessors, CoverEveryModelTableRow) {
    auto Names = DumpNames();
    EXPECT_GE(std::ranges::count_if(Names, [](auto& N) { return N.starts_with("models"); }), 90);
}

std::string TestName(const testing::TestParamInfo<std::string>& Param) {
    std::string Name = Param.param.substr(0, Param.param.size() - 5);
    std::ranges::replace_if(Name, [](char C) { return !std::isalnum(static_cast<unsigned char>(C)); }, '_');
    return Name;
}

INSTANTIATE_TEST_SUITE_P(Dumps, RecordedProcessor, testing::ValuesIn(DumpNames()), TestName);

}  // namespace
