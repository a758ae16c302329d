#pragma once
// The records of the runs as they happen. A run's record is started just
// before the engine is asked for it and ended by the engine's end-of-run
// event; its later reading is taken by a one-shot timer 60 s after the end,
// or at the start of the next run when that comes first. A record is
// complete with its later reading, or without it when the journal is closed
// (at exit); each complete record goes to the history file.
#include <functional>
#include <optional>
#include <string>

#include "core/Rounding.h"
#include "engine/MemRecovery.h"
#include "history/RunHistory.h"
#include "history/RunRecord.h"
#include "platform/Clock.h"
#include "platform/TimerService.h"

class TRunJournal : private TTimerTarget {
public:
    static constexpr uint32_t LaterReadingMs = 60000;

    TRunJournal(TMemRecovery& Engine, TClock& Clock, TTimerService& Timers, TRunHistory& History);
    ~TRunJournal() override;
    TRunJournal(const TRunJournal&) = delete;
    TRunJournal& operator=(const TRunJournal&) = delete;

    // Megabytes as asked of the engine, which cuts them to what a run covers.
    void RunStarting(TRunTrigger Trigger, const std::string& Method, int Megabytes);
    void RunEnded();
    void Close();
    // The last run that ended, with its later reading once taken; nullptr before.
    const TRunRecord* LastRun() const { return FLast ? &*FLast : nullptr; }

    std::function<void(const TRunRecord&)> OnRunEnded;
    std::function<void(const TRunRecord&)> OnRecordComplete;

private:
    void TimerFired() override { TakeLaterReading(); }
    void TakeLaterReading();
    void Complete();
    void StopTimer();
    int64_t FreeMB() const { return RoundedMegabytes(FEngine.FreeMemory()); }

    TMemRecovery& FEngine;
    TClock& FClock;
    TTimerService& FTimers;
    TRunHistory& FHistory;
    std::optional<TRunRecord> FRunning;
    uint32_t FStartTick = 0;
    std::optional<TRunRecord> FLast;
    bool FWaiting = false;  // FLast waits for its later reading
    uintptr_t FTimer = 0;
};
