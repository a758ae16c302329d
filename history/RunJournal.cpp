#include "history/RunJournal.h"

#include <utility>

#include "core/Rounding.h"

TRunJournal::TRunJournal(TMemRecovery& Engine, TClock& Clock, TTimerService& Timers, TRunHistory& History)
    : FEngine(Engine), FClock(Clock), FTimers(Timers), FHistory(History) {}

TRunJournal::~TRunJournal() { StopTimer(); }

void TRunJournal::RunStarting(TRunTrigger Trigger, const std::string& Method, int Megabytes) {
    TakeLaterReading();
    TRunRecord run;
    run.Start = FClock.LocalTime();
    run.Trigger = Trigger;
    run.Method = Method;
    run.TargetMB = TMemRecovery::RunBlocks(Megabytes);
    run.FreeBeforeMB = FreeMB();
    FStartTick = FClock.TickCount();
    FRunning = run;
}

void TRunJournal::RunEnded() {
    if (!FRunning) return;  // a run that nobody announced
    FLast = std::move(FRunning);
    FRunning.reset();
    FLast->FreeAfterMB = FreeMB();
    FLast->EndTick = FClock.TickCount();
    FLast->DurationMs = FLast->EndTick - FStartTick;
    FLast->Outcome = FEngine.LastOutcome();
    FWaiting = true;
    FTimer = FTimers.StartTimer(*this, LaterReadingMs);
    if (OnRunEnded) OnRunEnded(*FLast);
}

void TRunJournal::TakeLaterReading() {
    if (!FWaiting) return;
    const double waited = (FClock.TickCount() - FLast->EndTick) / 1000.0;
    FLast->Later = TLaterReading{FreeMB(), static_cast<int>(RoundHalfEven(waited))};
    Complete();
}

void TRunJournal::Close() {
    if (FWaiting) Complete();
}

void TRunJournal::Complete() {
    StopTimer();
    FWaiting = false;
    FHistory.Append(*FLast);
    if (OnRecordComplete) OnRecordComplete(*FLast);
}

void TRunJournal::StopTimer() {
    if (FTimer) FTimers.StopTimer(std::exchange(FTimer, 0));
}
