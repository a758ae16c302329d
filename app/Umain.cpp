// The main window's construction: its components, its controls from the
// layout, and their handlers.
#include "app/Umain.h"

#include "app/MainLayout.h"
#include "ui/Application.h"
#include "ui/Jpeg.h"

TfMainMem::TfMainMem(TComponent* AOwner, TApplication& Application, TMainMemSystem& System)
    : TForm(AOwner, Application), FSystem(System) {
    SetName("FMainMem");
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetClientSize(MainFormWidth, MainFormHeight);
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
    BuildLayout(*this, MainLayout());
    Bind(*this, Image2, "Image2");
    Bind(*this, Memoire, "Memoire");
    Bind(*this, TabSheet1, "TabSheet1");
    Bind(*this, TabSheet3, "TabSheet3");
    Bind(*this, TabSheet5, "TabSheet5");
    Bind(*this, TabSheet4, "TabSheet4");
    Bind(*this, TabSheet2, "TabSheet2");
    Bind(*this, SkinButton4, "SkinButton4");
    Bind(*this, Label2, "Label2");

    Image2->SetStretch(true);
    SkinButton4->OnClick = TNotifyEvent(this, &TfMainMem::SkinButton4Click);
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
