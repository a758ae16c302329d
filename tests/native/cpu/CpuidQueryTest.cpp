// The leaf query's level checks and error codes, the descriptor leaf's
// repeat count, and the request blocks' size check.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "cpu/cpuidCache.h"
#include "cpu/cpuidIntf.h"
#include "tests/native/cpu/CpuTestData.h"
#include "tests/fakes/FakeCpuSystem.h"

namespace {

// Counts the executions of each leaf of a recorded processor.
class TCountingSource : public TCpuidSource {
public:
    explicit TCountingSource(TCpuidSource& Recorded) : FRecorded(Recorded) {}
    bool Present() const override { return FRecorded.Present(); }
    TCPUIDRegs Execute(uint32_t Leaf, uint32_t SubLeaf) override {
        ++Executions[Leaf];
        return FRecorded.Execute(Leaf, SubLeaf);
    }
    std::map<uint32_t, int> Executions;

private:
    TCpuidSource& FRecorded;
};

TEST(QueryLeaf, ChecksLevelsAndSetsLastError) {
    TRecordedCpu Cpu(
        "00000000 00000000: 00000002 00000000 00000000 00000000\n"
        "80000000 00000000: 80000004 00000000 00000000 00000000\n"
        "80000007 00000000: 00000007 00000000 00000000 00000000\n");
    TCpuidAPI Api(Cpu.Sources());
    TCPUIDRegs R;
    EXPECT_TRUE(Api.QueryLeaf(2, 1, R));
    EXPECT_EQ(leNone, Api.LastError());
    EXPECT_TRUE(Api.QueryLeaf(3, 1, R)) << "above the standard level, yet not above 80000004";
    EXPECT_TRUE(Api.QueryLeaf(0x80000007, 1, R)) << "every extended leaf passes the signed check";
    EXPECT_EQ(7u, R.EAX);

    TRecordedCpu Negative(
        "00000000 00000000: 80000001 00000000 00000000 00000000\n"
        "80000000 00000000: 00000006 00000000 00000000 00000000\n");
    TCpuidAPI Refusing(Negative.Sources());
    EXPECT_FALSE(Refusing.QueryLeaf(0x80000007, 1, R));
    EXPECT_EQ(leLeafRefused, Refusing.LastError());

    TRecordedCpu Without("# no-cpuid\n");
    TCpuidAPI None(Without.Sources());
    EXPECT_FALSE(None.QueryLeaf(0, 1, R));
    EXPECT_EQ(leNoCpuid, None.LastError());
}

int Leaf2Executions(const std::string& DumpName, int32_t& Level2) {
    TRecordedCpu Cpu(CpuidDump(DumpName));
    TCountingSource Counting(Cpu.Dump);
    TCpuidAPI Api({Counting, Cpu.System, Cpu.Platform});
    Level2 = Level2Cache(Api);
    return Counting.Executions[cpuidCacheDescriptors];
}

TEST(CacheDescriptors, RepeatCountSaysHowOftenLeaf2Runs) {
    int32_t Level2 = 0;
    EXPECT_EQ(1, Leaf2Executions("pentium3-katmai.dump", Level2)) << "a count of 1 runs it once";
    EXPECT_EQ(512, Level2);
    EXPECT_EQ(1 + 6, Leaf2Executions("descriptor-repeat-count.dump", Level2));
}

template <class TBlock>
void ExpectWrongSizesRefused(int32_t (*Request)(TCpuidAPI&, TBlock&)) {
    TRecordedCpu Cpu(CpuidDump("pentium3-katmai.dump"));
    TCpuidAPI Api(Cpu.Sources());
    for (uint32_t Size : {0u, uint32_t(sizeof(TBlock) - 1), uint32_t(sizeof(TBlock) + 1), 0xFFFFFFFFu}) {
        TBlock Block;
        std::memset(&Block, 0xA5, sizeof Block);
        Block.Size = Size;
        TBlock Before = Block;
        EXPECT_EQ(rcWrongSize, Request(Api, Block)) << sizeof(TBlock) << " given " << Size;
        EXPECT_EQ(0, std::memcmp(&Before, &Block, sizeof Block)) << "the block must stay unchanged";
    }
    TBlock Right = NewBlock<TBlock>();
    EXPECT_EQ(rcOk, Request(Api, Right));
}

TEST(RequestBlocks, OfTheWrongSizeAreRefusedUnchanged) {
    ExpectWrongSizesRefused(GetCPUIDInfo);
    ExpectWrongSizesRefused(GetCacheInfo);
    ExpectWrongSizesRefused(GetFeatureInfo);
    ExpectWrongSizesRefused(GetDetectedInfo);
}

}  // namespace
