#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/ScreenSnap.h"

TForm::TForm(TComponent* AOwner, TApplication& Application)
    : TWinControl(AOwner), FApplication(Application) {
    SetVisible(false);
}

TForm::~TForm() { DestroyPeers(); }

void TForm::SetAlphaBlend(bool Value) {
    FAlphaBlend = Value;
    Changed(ccState);
}

void TForm::SetAlphaBlendValue(int Value) {
    FAlphaBlendValue = Value;
    Changed(ccState);
}

void TForm::DoCreate() {
    try {
        FormCreate();
    } catch (const std::exception& e) {
        FApplication.ShowException(e);
    }
}

void TForm::DoDestroy() {
    FormDestroy();
    DestroyPeers();
}

// The first showing places the window and gives it its real windows; later
// ones leave it where the user put it.
void TForm::Show() {
    if (!FShownOnce) {
        FShownOnce = true;
        if (FPosition == poScreenCenter) {
            TRect area = FApplication.Windows().WorkArea();
            SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
                      Width(), Height());
        }
        if (TPeerFactory* factory = FApplication.Windows().PeerFactory()) CreatePeers(*factory);
    }
    SetVisible(true);
}

void TForm::Close() {
    Hide();
    if (FApplication.MainForm() == this) FApplication.Terminate();
}

TRect TForm::PlaceWindow(const TRect& Proposed, const TRect& WorkArea) const {
    return FScreenSnap ? SnapToEdges(Proposed, WorkArea, SnapBuffer) : Proposed;
}

bool TForm::WndProc(TMessage&, intptr_t&) { return false; }
