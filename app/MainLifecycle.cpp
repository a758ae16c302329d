// The main window's life: creation sequence, destruction, the orderly exit and
// the messages of a second instance and of the end of the Windows session.
#include "app/Umain.h"

#include "core/Rounding.h"
#include "ui/Application.h"

void TfMainMem::FormCreate() {
    CpuSamples = 1;
    SettingsRegistry = std::make_unique<TRegistry>(FSystem.Registry);
    Label2->SetCaption(Label2->Caption() + ProgramVersion);
    SetCaption(TORVANE_MAIN_TITLE);
    Memoire->SetActivePageIndex(0);
    InstalledMB = RoundHalfEven(static_cast<double>(MemRecovery1->TotalMemory()) / 1024 / 1024);
    DefragRunning = false;
}

void TfMainMem::FormDestroy() { SaveSettings(); }

void TfMainMem::exit_appli() {
    MemRecovery1->Cancel();
    Hide();
    Close();
    FormDestroy();
    Application().Terminate();
}

bool TfMainMem::WndProc(TMessage& Message, intptr_t& Result) {
    switch (Message.Msg) {
        case WM_USER_MESSAGE: WMUser(); return true;
        case WM_QUERYENDSESSION_MESSAGE: Result = WMQueryEndSession(); return true;
        case WM_ENDSESSION_MESSAGE: WMEndSession(Message.WParam != 0); return true;
        default: return TForm::WndProc(Message, Result);
    }
}

void TfMainMem::WMUser() {
    Application().Restore();
    Show();
    Application().BringToFront();
}

intptr_t TfMainMem::WMQueryEndSession() { return 1; }

// The settings are saved either way; the window closes only when the session
// really ends, since a session whose end was refused goes on with the program.
void TfMainMem::WMEndSession(bool SessionEnds) {
    SaveSettings();
    if (SessionEnds) Close();
}
