// The automatic runs' back-off: the wait after each run, judged at its end
// (freed nothing) and at its later reading (three quarters came back), across
// the tick count's wrap.
#include <gtest/gtest.h>

#include <vector>

#include "history/RunBackOff.h"

TEST(RunBackOffTest, RunsThatDoNotHelpHoldTheNextAutomaticRunBackLongerEachTime) {
    struct TRun {
        TRunTrigger Trigger;
        int Freed;
        std::optional<int> CameBack;  // none: the program ended before the reading
        int Wait;                     // minutes after this run
        bool Counted = true;          // false: the wait stands from an earlier run's end
    };
    const std::vector<TRun> cases[] = {
        {{rtAlarm, 0, 0, 5}, {rtAlarm, 0, 0, 10}, {rtInterval, -4, 0, 20}, {rtAlarm, 0, 0, 40}, {rtAlarm, 0, 0, 60},
         {rtAlarm, 0, 0, 60}},
        {{rtAlarm, 100, 75, 5}, {rtAlarm, 100, 100, 10}, {rtAlarm, 100, 74, 0}, {rtAlarm, 1, 0, 0}},
        {{rtAlarm, 0, 0, 5}, {rtManual, 0, 0, 0}, {rtInterval, 0, 0, 5}, {rtCommandLine, 100, 100, 0}},
        {{rtAlarm, 0, 0, 5}, {rtAlarm, 100, std::nullopt, 5, false}},
    };
    for (const std::vector<TRun>& runs : cases) {
        TRunBackOff backOff;
        uint32_t end = 0xFFFFF000;  // the first wait runs across the wrap
        for (const TRun& r : runs) {
            TRunRecord run;
            run.Trigger = r.Trigger;
            run.FreeBeforeMB = 500;
            run.FreeAfterMB = 500 + r.Freed;
            run.EndTick = end;
            backOff.RunStarting(r.Trigger);
            backOff.RunEnded(run);
            if (r.CameBack) run.Later = TLaterReading{run.FreeAfterMB - *r.CameBack, 60};
            backOff.RecordComplete(run);
            const uint32_t wait = r.Wait * 60000u;
            EXPECT_EQ(backOff.WaitMs(), wait) << &r - runs.data();
            EXPECT_EQ(backOff.Permits(end + wait - 1), wait == 0 || !r.Counted) << &r - runs.data();
            EXPECT_TRUE(backOff.Permits(end + wait));
            end += 2 * 3600 * 1000;
        }
    }
}
