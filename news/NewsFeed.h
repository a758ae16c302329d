#pragma once
// The news feed: a component without a window of its own to show, which
// owns the news window (hidden until ShowNews) and a hidden window through
// which the news window reports the link chosen. The window shows what the
// last refresh left; only its "Update" button fetches the news file.
#include <string>

#include "core/Component.h"
#include "news/NewsDialog.h"
#include "news/NewsSystem.h"

class TApplication;
class TNewsNotifyWindow;

// Sender, the link chosen.
using TURLSelectedEvent = TEvent<const std::string&>;

class TNewsFeed : public TComponent {
public:
    TNewsFeed(TComponent* AOwner, TApplication& Application, const TNewsSystem& System);
    // The hidden window goes first, then the news window.
    ~TNewsFeed() override;

    // The address of the news file.
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& Value) { FURL = Value; }
    // The news window's caption.
    const std::string& Title() const;
    void SetTitle(const std::string& Value);
    TNewsDialog* Dialog() const { return FDialog; }
    TNewsNotifyWindow* NotifyWindow() const { return FNotifyWindow; }

    // Shows the news window, not modal, with an empty status, for the
    // current address; fetches nothing.
    void ShowNews();

    // Raised, when assigned, for every link chosen in the news window.
    TURLSelectedEvent OnURLSelected;

private:
    void URLSelected();

    TNewsNotifyWindow* FNotifyWindow;
    std::string FURL;
    TNewsDialog* FDialog;
};
