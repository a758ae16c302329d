#include "news/NewsFeed.h"

#include "news/NewsNotifyWindow.h"
#include "ui/Application.h"

TNewsFeed::TNewsFeed(TComponent* AOwner, TApplication& Application, const TNewsSystem& System)
    : TComponent(AOwner),
      FNotifyWindow(new TNewsNotifyWindow(this, Application, [this] { URLSelected(); })),
      FDialog(new TNewsDialog(this, Application, System)) {}

TNewsFeed::~TNewsFeed() {
    delete FNotifyWindow;
    FNotifyWindow = nullptr;
    delete FDialog;
    FDialog = nullptr;
}

const std::string& TNewsFeed::Title() const { return FDialog->Caption(); }

void TNewsFeed::SetTitle(const std::string& Value) { FDialog->SetCaption(Value); }

void TNewsFeed::ShowNews() {
    FDialog->NotifyWindow = FNotifyWindow->Handle();
    FDialog->URL = FURL;
    FDialog->StatusBar->SetSimpleText("");
    FDialog->Show();
    if (void* wnd = FDialog->Handle()) FDialog->Application().Windows().SetForegroundWindow(wnd);
}

// The hidden window's message: the link is the news window's selection.
void TNewsFeed::URLSelected() {
    if (OnURLSelected.Assigned() && FDialog) OnURLSelected(this, FDialog->SelectedLink());
}
