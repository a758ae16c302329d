// Memory figures and the size of a whole-memory run.
#include <gmock/gmock.h>

#include "tests/native/engine/EngineFixture.h"

TEST_F(EngineTest, TotalIsTakenOnceAndFreeAtEveryRead) {
    MakeEngine(6144 * MB);  // beyond what 32 bits hold
    Memory.Status = {1 * MB, 5000 * MB};
    EXPECT_EQ(Engine->TotalMemory(), int64_t{6144} * int64_t{MB});
    EXPECT_EQ(Engine->FreeMemory(), int64_t{5000} * int64_t{MB});
    Memory.Status.AvailPhys = 3;
    EXPECT_EQ(Engine->FreeMemory(), 3);
}

struct TWholeRun {
    uint64_t TotalPhys;
    int Blocks;
};

class DefragAllTest : public EngineTest, public testing::WithParamInterface<TWholeRun> {};

TEST_P(DefragAllTest, RunsTheTruncatedMegabytesUpTo1024) {
    MakeEngine(GetParam().TotalPhys);
    Engine->DefragAll();
    EXPECT_EQ(Memory.Commits(), GetParam().Blocks);
    EXPECT_EQ(Events.front(), "before");
    EXPECT_EQ(Events.back(), "after");
}

INSTANTIATE_TEST_SUITE_P(Totals, DefragAllTest,
                         testing::Values(TWholeRun{256 * MB, 256},
                                         TWholeRun{MB - 1, 0},
                                         TWholeRun{1000000000, 953},
                                         TWholeRun{3072 * MB, 1024},  // negative in 32 bits
                                         TWholeRun{uint64_t{1} << 62, 1024}));    // wraps if narrowed first
