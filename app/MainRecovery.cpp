// Recovery control: the method and the manual amount, the start and cancel
// commands, and the engine's events that keep the commands in step with a run.
#include "app/Umain.h"

#include <utility>

void TfMainMem::ShowCommands(bool Running) {
    BitBtn3->SetEnabled(Running);
    BitBtn1->SetEnabled(!Running);
    RecoverRam1->SetEnabled(!Running);
    Cancel1->SetEnabled(Running);
}

void TfMainMem::RecupRam(TRunTrigger Trigger) { StartRecovery(Trigger, SelectedRun()); }

// The run's record starts just before the engine is asked, and ends with the
// engine's end-of-run event.
void TfMainMem::StartRecovery(TRunTrigger Trigger, const TRecoveryRun& Run) {
    ShowCommands(true);
    if (DefragRunning) return;
    BackOff.RunStarting(Trigger);
    Journal->RunStarting(Trigger, Run.Method, Run.Megabytes);
    FRecordThread = std::exchange(FCommandThread, 0);
    MemRecovery1->Defrag(Run.Megabytes);
}

int TfMainMem::MethodNumber() const {
    return RadioButton1->Checked() ? SystemMethod : RadioButton2->Checked() ? ManualMethod : WholeMethod;
}

TRecoveryRun TfMainMem::SelectedRun() const { return MethodRun(MethodNumber(), TrackBar1->Position(), *MemRecovery1); }

void TfMainMem::AnnulRam() {
    ShowCommands(false);
    MemRecovery1->Cancel();
}

void TfMainMem::BitBtn1Click(TObject*) { RecupRam(); }
void TfMainMem::BitBtn3Click(TObject*) { AnnulRam(); }
void TfMainMem::RecoverRam1Click(TObject*) { RecupRam(); }
void TfMainMem::Cancel1Click(TObject*) { AnnulRam(); }

void TfMainMem::MemRecovery1BeforeDefrag(TObject*) {
    DefragRunning = true;
    BitBtn1->SetEnabled(false);
    BitBtn3->SetEnabled(true);
    Gauge1->SetBarBitmapTransparent(true);
}

void TfMainMem::MemRecovery1Progress(TObject*, int Progress) { Gauge1->SetPosition(Progress); }

void TfMainMem::MemRecovery1AfterDefrag(TObject*) {
    ShowCommands(false);
    DefragRunning = false;
    Journal->RunEnded();
}

void TfMainMem::RadioButton1Click(TObject*) { RadioButton2Click(this); }
void TfMainMem::RadioButton2Click(TObject*) {
    TrackBar1->SetEnabled(RadioButton2->Checked());
    RunOptionChanged(this);
}
void TfMainMem::RadioButton3Click(TObject*) { RadioButton2Click(this); }

void TfMainMem::TrackBar1Change(TObject*) {
    const std::string amount = std::to_string(TrackBar1->Position());
    TrackBar1->SetHint(amount);
    TrackBar1->SetSelection(0, TrackBar1->Position());
    Label4->SetCaption(amount + " MB");
    RunOptionChanged(this);
}
