// The user's window commands: hiding into the tray and coming back, quitting,
// dragging by the caption strip, stay-on-top, opacity, the about page's links
// and its news button.
#include "app/Umain.h"

#include "app/Author.h"
#include "core/Rounding.h"
#include "ui/Application.h"

void TfMainMem::HideIntoTray() {
    TrayIcon1->SetIconVisible(true);
    Hide();
}

// Back on the first page; the icon is there exactly while the window is not.
void TfMainMem::RestoreFromTray() {
    Application().Restore();
    Memoire->SetActivePageIndex(0);
    TrayIcon1->SetIconVisible(false);
    Show();
    Application().BringToFront();
}

void TfMainMem::ImageButton2Click(TObject*) { HideIntoTray(); }
void TfMainMem::Open1Click(TObject*) { RestoreFromTray(); }
void TfMainMem::TrayIcon1DblClick(TObject*) { RestoreFromTray(); }
void TfMainMem::ImageButton1Click(TObject*) { exit_appli(); }
void TfMainMem::SkinButton4Click(TObject*) { exit_appli(); }
void TfMainMem::Exit1Click(TObject*) { exit_appli(); }

// A session whose end another program refused goes on without the news
// feed that its query released: the button makes it again.
void TfMainMem::SkinButton1Click(TObject*) {
    if (!NewsFeed1) CreateNewsFeed();
    NewsFeed1->ShowNews();
}

// The system's own move loop follows the mouse from here.
void TfMainMem::Image2MouseDown(TObject*, TMouseButton Button, int, int, int) {
    if (Button != mbLeft) return;
    Application().Windows().ReleaseCapture();
    Application().Windows().SendToWindow(Handle(), WM_SYSCOMMAND_MESSAGE, SC_DRAGMOVE_COMMAND, 0);
}

void TfMainMem::ApplyStayOnTop() { SetTopMost(CheckBox2->Checked()); }
void TfMainMem::CheckBox2Click(TObject*) { ApplyStayOnTop(); }
void TfMainMem::CheckBox2MouseUp(TObject*, TMouseButton, int, int, int) { ApplyStayOnTop(); }

void TfMainMem::TrackBar2Change(TObject*) {
    SetAlphaBlendValue(TrackBar2->Position());
    TrackBar2->SetHint(std::to_string(RoundHalfEven(TrackBar2->Position() / 255.0 * 100)) + "%");
}

void TfMainMem::BoldLabel4Click(TObject*) {
    FSystem.Shell.Execute(Handle(), "", WebAddress, "", "", Application().Windows().StartupShowCommand());
}

void TfMainMem::Label11Click(TObject*) {
    const std::string mail = "mailto:" + std::string(AuthorMail) + "?subject=Torvane Xp Version : " + ProgramVersion + "&body=";
    FSystem.Shell.Execute(Handle(), "Open", mail, "", "", SW_SHOWNORMAL_COMMAND);
}

void TfMainMem::LinkMouseEnter(TObject* Sender) {
    auto* link = static_cast<TLabel*>(Sender);
    link->SetCursor(crHandPoint);
    link->Font().SetColor(clRed);
}

void TfMainMem::LinkMouseLeave(TObject* Sender) {
    auto* link = static_cast<TLabel*>(Sender);
    link->SetCursor(crArrow);
    link->Font().SetColor(clBlack);
}

void TfMainMem::LinkMouseDown(TObject* Sender, TMouseButton, int, int, int) {
    static_cast<TLabel*>(Sender)->Font().SetColor(clWhite);
}
