#include "ui/Application.h"

#include "ui/Form.h"

TApplication::TApplication(TMessageQueue& Queue, TWindowSystem& Windows)
    : TComponent(nullptr), FQueue(Queue), FWindows(Windows) {}

// The forms go first, the main form last, while the application they may
// still reach is whole.
TApplication::~TApplication() {
    DestroyComponents();
    FMainForm = nullptr;
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    TMessage message;
    while (FQueue.GetMessage(message)) FQueue.DispatchMessage(message);
    FTerminated = true;
}

void TApplication::Terminate() { FQueue.PostQuitMessage(0); }

void TApplication::ProcessMessages() {
    TMessage message;
    while (FQueue.PeekMessage(message)) {
        if (message.Msg == WM_QUIT_MESSAGE) return FQueue.PostQuitMessage(static_cast<int>(message.WParam));
        FQueue.DispatchMessage(message);
    }
}

void TApplication::SetHintColor(TColor Value) {
    if (Value == FHintColor) return;
    FHintColor = Value;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* form = dynamic_cast<TForm*>(Components(i))) form->HintColorChanged();
}

void TApplication::ShowException(const std::exception& E) {
    FWindows.MessageBox(FMainForm ? FMainForm->Handle() : nullptr, E.what(), FTitle, MB_OK_BUTTON | MB_ICONERROR_STYLE);
}

void TApplication::Restore() {
    if (!FMainForm) return;
    if (FMainForm->Handle()) FWindows.ShowWindow(FMainForm->Handle(), SW_RESTORE_COMMAND);
}

void TApplication::BringToFront() {
    if (FMainForm && FMainForm->Handle()) FWindows.SetForegroundWindow(FMainForm->Handle());
}
