// Recovery control: the method and the manual amount, the start and cancel
// commands, and the engine's events that keep the commands in step with a run.
#include "app/Umain.h"

#include "core/Rounding.h"

void TfMainMem::ShowCommands(bool Running) {
    BitBtn3->SetEnabled(Running);
    BitBtn1->SetEnabled(!Running);
    RecoverRam1->SetEnabled(!Running);
    Cancel1->SetEnabled(Running);
}

void TfMainMem::RecupRam() {
    ShowCommands(true);
    if (DefragRunning) return;
    if (RadioButton1->Checked()) MemRecovery1->Defrag(static_cast<int>(RoundHalfEven(InstalledMB / 2.0)));
    if (RadioButton2->Checked()) MemRecovery1->Defrag(TrackBar1->Position());
    if (RadioButton3->Checked()) MemRecovery1->DefragAll();
}

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
}

void TfMainMem::RadioButton1Click(TObject*) { TrackBar1->SetEnabled(RadioButton2->Checked()); }
void TfMainMem::RadioButton2Click(TObject*) { TrackBar1->SetEnabled(RadioButton2->Checked()); }
void TfMainMem::RadioButton3Click(TObject*) { TrackBar1->SetEnabled(RadioButton2->Checked()); }

void TfMainMem::TrackBar1Change(TObject*) {
    const std::string amount = std::to_string(TrackBar1->Position());
    TrackBar1->SetHint(amount);
    TrackBar1->SetSelection(0, TrackBar1->Position());
    Label4->SetCaption(amount + " MB");
}
