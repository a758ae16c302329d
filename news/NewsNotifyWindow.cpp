#include "news/NewsNotifyWindow.h"

#include "ui/Application.h"

TNewsNotifyWindow::TNewsNotifyWindow(TComponent* AOwner, TApplication& Application, std::function<void()> Notified)
    : TForm(AOwner, Application), FNotified(std::move(Notified)) {
    SetBorderStyle(bsNone);
    if (TPeerFactory* factory = Application.Windows().PeerFactory()) CreatePeers(*factory);
}

TNewsNotifyWindow::~TNewsNotifyWindow() { DoDestroy(); }

bool TNewsNotifyWindow::WndProc(TMessage& Message, intptr_t& Result) {
    if (Message.Msg != NewsNotifyMessage) return TForm::WndProc(Message, Result);
    if (FNotified) FNotified();
    Result = 0;
    return true;
}
