// The main window's life: creation sequence, destruction, the orderly exit and
// the messages of a second instance and of the end of the Windows session.
#include "app/Umain.h"

#include "core/Rounding.h"
#include "ui/Application.h"

void TfMainMem::FormCreate() {
    CpuSamples = 1;
    PerfChart1->Init();
    PerfChart1->SetVisible(true);
    PerfChart1->SetPlotColor(clLime);
    SettingsRegistry = std::make_unique<TRegistry>(FSystem.Registry);
    Label2->SetCaption(Label2->Caption() + ProgramVersion);
    TrayIcon1->SetIconVisible(false);
    SetCaption(TORVANE_MAIN_TITLE);
    Normale1->SetChecked(true);
    // Opacity can be changed wherever the system has it, so that a stored
    // faint window can always be made opaque again.
    TrackBar2->SetEnabled(Application().Windows().HasLayeredWindows());
    ShowWindowsLogo();
    ShowVendorLogo();
    Memoire->SetActivePageIndex(0);
    InstalledMB = InstalledMegabytes(*MemRecovery1);
    GetInfoSystem();
    // The range is 32-bit: installed megabytes pass 65,535 from 64 GB on.
    const auto installed = static_cast<int32_t>(std::min<int64_t>(InstalledMB, INT32_MAX));
    TrackBar1->SetRange(0, installed);
    TrackBar1->SetFrequency(8);
    TrackBar1->SetPosition(static_cast<int32_t>(RoundHalfEven(InstalledMB / 2.0)));
    LoadSettings();
    ApplyStayOnTop();
    SetAlphaBlendValue(TrackBar2->Position());
    if (CheckBox5->Checked()) ArmIntervalTrigger(true);
    GetCpuInfo();
    GetInfoOptimization();
    DefragRunning = false;
    BitBtn3->SetEnabled(false);
}

// A run still waiting for its later reading is written without it.
void TfMainMem::FormDestroy() {
    FSampler.StopCpuSampling();
    SaveSettings();
    Journal->Close();
}

void TfMainMem::exit_appli() {
    TrayIcon1->SetIconVisible(false);
    MemRecovery1->Cancel();
    ReleaseNewsFeed();
    Hide();
    Close();
    FormDestroy();
    Application().Terminate();
}

// A close request from outside (an installer, the task list) quits as the
// window's own quit commands do, so that a recovery in progress is cancelled
// at once instead of delaying the end until it has run to its last block.
bool TfMainMem::WndProc(TMessage& Message, intptr_t& Result) {
    if (Message.Msg == FSystem.Link.OptimiseMessage() && Message.Msg != 0) {
        OptimiseRequested(static_cast<uint32_t>(Message.WParam), static_cast<int>(Message.LParam));
        return true;
    }
    switch (Message.Msg) {
        case WM_CLOSE_MESSAGE: exit_appli(); Result = 0; return true;
        case WM_USER_MESSAGE: WMUser(); return true;
        case WM_QUERYENDSESSION_MESSAGE: Result = WMQueryEndSession(); return true;
        case WM_ENDSESSION_MESSAGE: WMEndSession(Message.WParam != 0); return true;
        default: return TForm::WndProc(Message, Result);
    }
}

void TfMainMem::WMUser() {
    Application().Restore();
    Show();
    TrayIcon1->SetIconVisible(false);
    Application().BringToFront();
}

intptr_t TfMainMem::WMQueryEndSession() {
    ReleaseNewsFeed();
    return 1;
}

// The settings are saved either way; the window closes only when the session
// really ends, since a session whose end was refused goes on with the program.
void TfMainMem::WMEndSession(bool SessionEnds) {
    SaveSettings();
    if (!SessionEnds) return;
    Journal->Close();
    Close();
}
