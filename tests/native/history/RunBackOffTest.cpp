// The automatic runs' back-off: how long the next automatic run waits after
// each run, judged at its end (freed nothing) and at its later reading (came
// back for three quarters or more), across the tick count's wrap.
#include <gtest/gtest.h>

#include <vector>

#include "history/RunBackOff.h"

namespace {
struct TRun {
    TRunTrigger Trigger;
    int Freed;
    std::optional<int> CameBack;  // none: the program ended before the reading
    int WaitMinutes;              // the step the wait is at after this run
    bool Counted = true;          // false: the wait stands from an earlier run's end
};
}  // namespace

TEST(RunBackOffTest, RunsThatDoNotHelpHoldTheNextAutomaticRunBackLongerEachTime) {
    const std::pair<const char*, std::vector<TRun>> cases[] = {
        {"freeing nothing again and again",
         {{rtAlarm, 0, 0, 5}, {rtAlarm, 0, 0, 10}, {rtInterval, -4, 0, 20}, {rtAlarm, 0, 0, 40}, {rtAlarm, 0, 0, 60},
          {rtAlarm, 0, 0, 60}}},
        {"three quarters back, then a little less",
         {{rtAlarm, 100, 75, 5}, {rtAlarm, 100, 100, 10}, {rtAlarm, 100, 74, 0}, {rtAlarm, 1, 0, 0}}},
        {"memory that stays ends the waiting", {{rtInterval, 0, 0, 5}, {rtInterval, 40, 29, 0}}},
        {"a manual run is not judged and ends the waiting",
         {{rtAlarm, 0, 0, 5}, {rtAlarm, 0, 0, 10}, {rtManual, 0, 0, 0}, {rtManual, 100, 100, 0}}},
        {"so does a command's run", {{rtAlarm, 0, 0, 5}, {rtCommandLine, 0, 0, 0}}},
        {"a reading never taken changes nothing", {{rtAlarm, 0, 0, 5}, {rtAlarm, 100, std::nullopt, 5, false}}},
    };
    for (const auto& [name, runs] : cases) {
        TRunBackOff backOff;
        uint32_t end = 0xFFFFF000;  // the first wait runs across the tick count's wrap
        for (const TRun& r : runs) {
            backOff.RunStarting(r.Trigger);
            TRunRecord run;
            run.Trigger = r.Trigger;
            run.FreeBeforeMB = 500;
            run.FreeAfterMB = 500 + r.Freed;
            run.EndTick = end;
            backOff.RunEnded(run);
            if (r.CameBack) run.Later = TLaterReading{run.FreeAfterMB - *r.CameBack, 60};
            backOff.RecordComplete(run);
            const uint32_t wait = r.WaitMinutes * 60000u;
            EXPECT_EQ(backOff.WaitMs(), wait) << name;
            if (wait > 0 && r.Counted) {
                EXPECT_FALSE(backOff.Permits(end + wait - 1)) << name;
                EXPECT_TRUE(backOff.Permits(end + wait)) << name;
            } else {
                EXPECT_TRUE(backOff.Permits(end + 1)) << name;
            }
            end += 2 * 3600 * 1000;
        }
    }
}
