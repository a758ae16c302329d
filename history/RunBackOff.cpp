#include "history/RunBackOff.h"

#include <algorithm>

void TRunBackOff::RunStarting(TRunTrigger Trigger) {
    if (Trigger != rtAlarm && Trigger != rtInterval) End();
}

void TRunBackOff::RunEnded(const TRunRecord& Run) {
    if (Run.Automatic() && Run.FreedMB() <= 0) HoldBack(Run.EndTick);
}

// Judged on the reading taken, even one cut short by the next run.
void TRunBackOff::RecordComplete(const TRunRecord& Run) {
    const std::optional<int64_t> back = Run.ComeBackMB();
    if (!Run.Automatic() || Run.FreedMB() <= 0 || !back) return;
    if (*back * 4 >= Run.FreedMB() * 3) HoldBack(Run.EndTick);
    else End();
}

void TRunBackOff::HoldBack(uint32_t From) {
    FWaitMs = FWaitMs == 0 ? FirstWaitMs : std::min(2 * FWaitMs, LongestWaitMs);
    FFrom = From;
}
