// The runs' history in the main window: the journal of the runs and its
// file, the back-off of the automatic runs, and the runs that commands of
// other processes ask for, each answered once its record is complete.
#include "app/Umain.h"

#include "app/CommandLine.h"
#include "news/NewsFetch.h"
#include "ui/Application.h"

void TfMainMem::CreateHistory() {
    History = std::make_unique<TRunHistory>(FSystem.Files, HistoryFolder(FSystem.Files, FolderOf(FSystem.ExeName)));
    Journal = std::make_unique<TRunJournal>(*MemRecovery1, FSystem.Clock, Application().Windows().Timers(), *History);
    Journal->OnRunEnded = [this](const TRunRecord& Run) { BackOff.RunEnded(Run); };
    Journal->OnRecordComplete = [this](const TRunRecord& Run) { RecordComplete(Run); };
    CheckBox3->OnClick = TNotifyEvent(this, &TfMainMem::RunOptionChanged);
    SpinEdit3->OnChange = TNotifyEvent(this, &TfMainMem::RunOptionChanged);
}

void TfMainMem::RunOptionChanged(TObject*) { BackOff.End(); }

bool TfMainMem::AutomaticRunPermitted() const { return BackOff.Permits(FSystem.Clock.TickCount()); }

void TfMainMem::RecordComplete(const TRunRecord& Run) {
    BackOff.RecordComplete(Run);
    if (FRecordThread) AnswerCommand(std::exchange(FRecordThread, 0), Run.Outcome);
}

// A request that comes during a run is refused: that run is not the one asked for.
void TfMainMem::OptimiseRequested(uint32_t Thread, int Megabytes) {
    if (DefragRunning) return AnswerCommand(Thread, roFailed);
    FCommandThread = Thread;
    StartRecovery(rtCommandLine, Megabytes > 0 ? MethodRun(ManualMethod, Megabytes, *MemRecovery1) : SelectedRun());
}

void TfMainMem::AnswerCommand(uint32_t Thread, TRunOutcome Outcome) {
    FSystem.Link.PostToThread(Thread, FSystem.Link.OptimisedMessage(), ExitCode(Outcome), 0);
}
