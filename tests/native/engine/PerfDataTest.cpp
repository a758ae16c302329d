// Reading the performance data: the walk to the processor's idle counter, the
// rules a block must keep to be read at all, and the block's time.
#include <gmock/gmock.h>

#include <functional>

#include "engine/PerfData.h"
#include "tests/fakes/PerfDataBuilder.h"

using testing::ElementsAre;

TEST(PerfDataTest, ReadsEveryInstanceOfTheProcessorObjectBetweenOthers) {
    const int64_t Big = int64_t{1} << 40;
    const TPerfBlock Block = TPerfDataBuilder(PerfTimeAt(1, 500)).Other().Other(4).Processor({700, -5, Big}).Other(230).Build();
    const TProcessorData Data = ParseProcessorData(Block.Bytes);
    EXPECT_EQ(Data.Find, pfFound);
    EXPECT_EQ(Data.NumInstances, 3);
    EXPECT_THAT(Data.IdleTimes, ElementsAre(700, -5, Big));
    EXPECT_EQ(Data.Time, 127317744015000000);  // 2004-06-15 12:00:01.500
}

TEST(PerfDataTest, TheSearchEndsAtTheFirstProcessorObject) {
    const TProcessorData Data = ParseProcessorData(TPerfDataBuilder().Processor({1, 2}, false).Processor({3}).Build().Bytes);
    EXPECT_EQ(Data.Find, pfNoCounter);
    EXPECT_EQ(Data.NumInstances, 2);
    EXPECT_TRUE(Data.IdleTimes.empty());
}

TEST(PerfDataTest, SoundDataWithoutTheProcessorObjectSaysTheSystemDoesNotProvideIt) {
    EXPECT_EQ(ParseProcessorData(TPerfDataBuilder().Build().Bytes).Find, pfNotProvided);  // as Wine answers
    EXPECT_EQ(ParseProcessorData(TPerfDataBuilder().Other().Other(4).Build().Bytes).Find, pfNotProvided);
}

TEST(PerfDataTest, EveryCutShortBlockIsRefused) {
    // The block ends with the last counter block, so every byte of it is needed.
    const std::vector<uint8_t> Bytes = TPerfDataBuilder().Other().Processor({10, 20}).Build().Bytes;
    ASSERT_EQ(ParseProcessorData(Bytes).Find, pfFound);
    for (size_t Size = 0; Size < Bytes.size(); ++Size)
        ASSERT_EQ(ParseProcessorData(std::span(Bytes).first(Size)).Find, pfNoObject) << Size << " bytes";
}

struct TDamage {
    const char* What;
    std::function<void(TPerfBlock&)> Apply;
    std::vector<int64_t> IdleTimes = {10, 20};  // of the block damaged
    bool WithIdleCounter = true;
};

// Offsets within each record are those of the system's 32-bit layout. A short
// length is chosen where the records it makes overlap would still read.
const TDamage Damages[] = {
    {"HeaderLength beyond the data", [](TPerfBlock& B) { B.SetU32(24, 0x7FFFFFF0); }},
    {"impossible SystemTime (month 13)", [](TPerfBlock& B) { B.SetU32(36, 2004 | 13 << 16); }},
    {"processor TotalByteLength 0", [](TPerfBlock& B) { B.SetU32(B.Object, 0); }},
    {"processor DefinitionLength shorter than its header", [](TPerfBlock& B) { B.SetU32(B.Object + 4, 28); }, {10}},
    {"processor DefinitionLength beyond the data", [](TPerfBlock& B) { B.SetU32(B.Object + 4, 0xFFFFFFF0); }},
    {"processor HeaderLength shorter than its header", [](TPerfBlock& B) { B.SetU32(B.Object + 8, 28); }},
    {"processor HeaderLength beyond the data", [](TPerfBlock& B) { B.SetU32(B.Object + 8, 0x10000000); }},
    {"no instances", [](TPerfBlock& B) { B.SetU32(B.Object + 40, 0); }},
    {"PERF_NO_INSTANCES", [](TPerfBlock& B) { B.SetU32(B.Object + 40, 0xFFFFFFFF); }},
    {"more instances than the data could hold", [](TPerfBlock& B) { B.SetU32(B.Object + 40, 1000000); }, {10}, false},
    {"one instance more than there is", [](TPerfBlock& B) { B.SetU32(B.Object + 40, 3); }},
    {"first counter's ByteLength shorter than a definition", [](TPerfBlock& B) { B.SetU32(B.Object + 64, 39); }},
    {"CounterOffset leaves 7 bytes", [](TPerfBlock& B) { B.SetU32(B.IdleCounter + 36, 17); }},
    {"CounterOffset wrapping round", [](TPerfBlock& B) { B.SetU32(B.IdleCounter + 36, 0xFFFFFFFC); }},
    {"instance ByteLength shorter than a definition", [](TPerfBlock& B) { B.SetU32(B.Instances[0], 16); }, {10}},
    {"instance ByteLength beyond the data", [](TPerfBlock& B) { B.SetU32(B.Instances[0], 0x7FFFFFFF); }},
    {"second counter block shorter than the counter", [](TPerfBlock& B) { B.SetU32(B.CounterBlocks[1], 16); }},
    {"last counter block beyond the data", [](TPerfBlock& B) { B.SetU32(B.CounterBlocks[1], 0x7FFFFFF8); }},
};

TEST(PerfDataTest, ADamagedBlockReadsAsOneWithoutTheProcessorObject) {
    for (const TDamage& Damage : Damages) {
        TPerfBlock Block =
            TPerfDataBuilder().Other().Processor(Damage.IdleTimes, Damage.WithIdleCounter).Other(230).Build();
        Damage.Apply(Block);
        EXPECT_EQ(ParseProcessorData(Block.Bytes).Find, pfNoObject) << Damage.What;
    }
}

struct TDate {
    TSystemTime Time;
    std::optional<int64_t> FileTime;
};

const TDate Dates[] = {
    {{1601, 1, 1, 1, 0, 0, 0, 0}, 0},
    {{1601, 1, 1, 1, 0, 0, 0, 1}, 10000},
    {{1970, 1, 6, 1, 0, 0, 0, 0}, 116444736000000000},  // the day of the week is not read
    {{2000, 2, 2, 29, 23, 59, 59, 999}, 125963423999990000},
    {{2100, 3, 1, 1, 0, 0, 0, 0}, 157520160000000000},  // after a 28-day February
    {{30827, 12, 0, 31, 23, 59, 59, 999}, 9223149887999990000},
    {{1600, 12, 0, 31, 23, 59, 59, 999}, std::nullopt},
    {{30828, 1, 0, 1, 0, 0, 0, 0}, std::nullopt},
    {{2004, 13, 0, 1, 0, 0, 0, 0}, std::nullopt},
    {{1900, 2, 0, 29, 0, 0, 0, 0}, std::nullopt},
    {{2004, 4, 0, 31, 0, 0, 0, 0}, std::nullopt},
    {{2004, 1, 0, 1, 24, 0, 0, 0}, std::nullopt},
    {{2004, 1, 0, 1, 0, 0, 0, 1000}, std::nullopt},
};

TEST(PerfDataTest, SystemTimeToFileTime) {
    for (const TDate& Date : Dates)
        EXPECT_EQ(FileTimeFromSystemTime(Date.Time), Date.FileTime)
            << Date.Time.wYear << "-" << Date.Time.wMonth << "-" << Date.Time.wDay << " " << Date.Time.wHour << ":"
            << Date.Time.wMinute << ":" << Date.Time.wSecond << "." << Date.Time.wMilliseconds;
}
