#include "app/Umain.h"

#include "ui/Application.h"
#include "ui/Jpeg.h"
#include "core/Rounding.h"

namespace {
constexpr int FormWidth = 360;
constexpr int FormHeight = 313;
constexpr int CaptionStripHeight = 25;

const char* const AboutText =
    "Torvane XP\r\n"
    "Moniteur et optimiseur de mémoire vive\r\n"
    "\r\n"
    "Version : ";
}  // namespace

TfMainMem::TfMainMem(TComponent* AOwner, TApplication& Application, TMainMemSystem& System)
    : TForm(AOwner, Application), FSystem(System) {
    SetName("FMainMem");
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetClientSize(FormWidth, FormHeight);
    SetScreenSnap(true);
    SetAlphaBlend(true);
    SetAlphaBlendValue(255);
    SetShowHint(true);
    MemRecovery1 = new TMemRecovery(this, System.Memory, Application.Queue());
    MemRecovery1->SetName("MemRecovery1");
    CreateControls();
    LoadCaptionPicture();
    LoadedTree();
}

TfMainMem::~TfMainMem() { DoDestroy(); }

void TfMainMem::CreateControls() {
    Image2 = new TImage(this);
    Image2->SetName("Image2");
    Image2->SetParent(this);
    Image2->SetBounds(0, 0, FormWidth, CaptionStripHeight);
    Image2->SetStretch(true);

    Memoire = new TPageControl(this);
    Memoire->SetName("Memoire");
    Memoire->SetParent(this);
    Memoire->SetBounds(0, CaptionStripHeight, FormWidth, FormHeight - CaptionStripHeight);
    auto page = [this](const char* name, const char* caption) {
        auto* sheet = new TTabSheet(this, Memoire);
        sheet->SetName(name);
        sheet->SetCaption(caption);
        return sheet;
    };
    TabSheet1 = page("TabSheet1", "Système");
    TabSheet3 = page("TabSheet3", "Paramètres");
    TabSheet5 = page("TabSheet5", "Informations");
    TabSheet4 = page("TabSheet4", "Processeur");
    TabSheet2 = page("TabSheet2", "A propos de...");

    SkinButton4 = new TButton(this);
    SkinButton4->SetName("SkinButton4");
    SkinButton4->SetParent(TabSheet1);
    SkinButton4->SetBounds(216, 224, 128, 25);
    SkinButton4->SetCaption("&Quitter Torvane XP");
    SkinButton4->OnClick = TNotifyEvent(this, &TfMainMem::SkinButton4Click);

    Label2 = new TLabel(this);
    Label2->SetName("Label2");
    Label2->SetParent(TabSheet2);
    Label2->SetBounds(16, 16, 320, 80);
    Label2->SetCaption(AboutText);
}

void TfMainMem::LoadCaptionPicture() {
    std::vector<uint8_t> jpeg = FSystem.Resources.Load("CAPTIONSTRIP");
    try {
        LoadJpeg(Image2->Picture(), jpeg);
    } catch (const EJpegError&) {
        return;  // a damaged picture leaves the strip blank; the window works without it
    }
    Image2->Invalidate();
}

void TfMainMem::FormCreate() {
    CpuSamples = 1;
    SettingsRegistry = std::make_unique<TRegistry>(FSystem.Registry);
    Label2->SetCaption(Label2->Caption() + ProgramVersion);
    SetCaption("Torvane XP");
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

void TfMainMem::SkinButton4Click(TObject*) { exit_appli(); }

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
