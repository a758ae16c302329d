// The user's window commands.
#include "app/Umain.h"

#include "ui/Application.h"

void TfMainMem::SkinButton4Click(TObject*) { exit_appli(); }
void TfMainMem::Exit1Click(TObject*) { exit_appli(); }

// Restoring from the tray comes back on the first page; the icon is there
// exactly while the window is not.
void TfMainMem::Open1Click(TObject*) {
    Application().Restore();
    Memoire->SetActivePageIndex(0);
    TrayIcon1->SetIconVisible(false);
    Show();
    Application().BringToFront();
}
