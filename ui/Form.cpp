#include "ui/Form.h"

#include "core/Messages.h"
#include "ui/Application.h"
#include "ui/ScreenSnap.h"

TForm::TForm(TComponent* AOwner, TApplication& Application)
    : TWinControl(AOwner), FApplication(Application) {
    SetVisible(false);
}

TForm::~TForm() { DestroyPeers(); }

void TForm::SetAlphaBlend(bool Value) {
    if (Value == FAlphaBlend) return;
    FAlphaBlend = Value;
    Changed(ccAlphaBlend);
}

void TForm::SetAlphaBlendValue(int Value) {
    if (Value == FAlphaBlendValue) return;
    FAlphaBlendValue = Value;
    Changed(ccAlphaBlend);
}

void TForm::SetShowHint(bool Value) {
    if (Value == FShowHint) return;
    FShowHint = Value;
    Changed(ccShowHint);
}

void TForm::SetTopMost(bool Value) {
    if (Value == FTopMost) return;
    FTopMost = Value;
    Changed(ccTopMost);
}

// Without a window the frame is unknown: the outer size is taken as the
// client size until the peer, which knows the style's frame, sets it.
void TForm::SetClientSize(int Width, int Height) {
    FClientWidth = Width;
    FClientHeight = Height;
    if (!Peer()) SetBounds(Left(), Top(), Width, Height);
    else Changed(ccClientSize);
    AlignControls();
}

void TForm::ClientSizeFromWindow(int Width, int Height) {
    if (Width == FClientWidth && Height == FClientHeight) return;
    FClientWidth = Width;
    FClientHeight = Height;
    AlignControls();
}

void TForm::SetMinSize(int Width, int Height) {
    FMinWidth = Width;
    FMinHeight = Height;
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
        // The window first, which knows the frame's size, then its place.
        if (TPeerFactory* factory = FApplication.Windows().PeerFactory()) CreatePeers(*factory);
        if (FPosition == poScreenCenter) {
            TRect area = FApplication.Windows().WorkArea();
            SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
                      Width(), Height());
        }
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

bool TForm::DialogKey(uint16_t Key, int Shift) {
    if (TWinControl::DialogKey(Key, Shift)) return true;
    if (Key != VK_TAB_KEY || (Shift & (ssCtrl | ssAlt))) return false;
    SelectNext(ActiveControl(), !(Shift & ssShift));
    return true;
}

bool TForm::WndProc(TMessage&, intptr_t&) { return false; }

bool TForm::Dispatch(TMessage& Message, intptr_t& Result) {
    const std::vector<TObserver> observers = FObservers;  // one may go away meanwhile
    for (const TObserver& o : observers) o.See(Message);
    return WndProc(Message, Result);
}

void TForm::AddMessageObserver(const void* Observer, std::function<void(const TMessage&)> See) {
    RemoveMessageObserver(Observer);
    FObservers.push_back({Observer, std::move(See)});
}

void TForm::RemoveMessageObserver(const void* Observer) {
    std::erase_if(FObservers, [Observer](const TObserver& o) { return o.Key == Observer; });
}
