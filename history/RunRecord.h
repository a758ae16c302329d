#pragma once
// One recovery run as the history keeps it: when and why it ran, what it
// asked for, free memory before it, right after it and a while later, how
// long it took and how it ended.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/MemRecovery.h"
#include "platform/Clock.h"

enum TRunTrigger { rtManual, rtAlarm, rtInterval, rtCommandLine };

// Free memory read a while after the run: 60 s later, or sooner when
// another run started first.
struct TLaterReading {
    int64_t FreeMB = 0;
    int Seconds = 0;
};

struct TRunRecord {
    TLocalTime Start;
    TRunTrigger Trigger = rtManual;
    std::string Method;
    int TargetMB = 0;
    int64_t FreeBeforeMB = 0;
    int64_t FreeAfterMB = 0;
    std::optional<TLaterReading> Later;
    uint32_t DurationMs = 0;
    TRunOutcome Outcome = roCompleted;
    uint32_t EndTick = 0;  // the clock's tick count when the run ended

    int64_t FreedMB() const { return FreeAfterMB - FreeBeforeMB; }
    // What was taken back before the later reading, never below 0.
    std::optional<int64_t> ComeBackMB() const;
    bool Automatic() const { return Trigger == rtAlarm || Trigger == rtInterval; }
};

// The history file's first line, and one run's line; both end in CR LF.
extern const char* const HistoryHeader;
std::string HistoryLine(const TRunRecord& Record);
// What the tray tip says of the last run: the come-back only once a full
// minute has shown it.
std::string LastRunLine(const TRunRecord& Record);
