#pragma once
// Holds automatic runs back while they do not help. After an automatic run
// that freed nothing, or whose memory came back for three quarters or more
// within its minute, the next automatic run waits 5 minutes after that
// run's end; each further such run doubles the wait, up to 60 minutes. An
// automatic run whose memory stayed, any other run, or a change of the
// method or of the triggers ends the waiting.
#include <cstdint>

#include "history/RunRecord.h"

class TRunBackOff {
public:
    static constexpr uint32_t FirstWaitMs = 5 * 60000;
    static constexpr uint32_t LongestWaitMs = 60 * 60000;

    // Whether an automatic run may start at the tick count Now.
    bool Permits(uint32_t Now) const { return FWaitMs == 0 || Now - FFrom >= FWaitMs; }
    uint32_t WaitMs() const { return FWaitMs; }

    void RunStarting(TRunTrigger Trigger);
    // What freed nothing is known at the run's end, what came back a minute later.
    void RunEnded(const TRunRecord& Run);
    void RecordComplete(const TRunRecord& Run);
    void End() { FWaitMs = 0; }

private:
    void HoldBack(uint32_t From);

    uint32_t FWaitMs = 0;
    uint32_t FFrom = 0;
};
