#pragma once
// The news feed's hidden window: a real window from the start (never shown),
// to which the news window sends NewsNotifyMessage when a link is chosen.
#include <functional>

#include "core/Messages.h"
#include "ui/Form.h"

constexpr uint32_t NewsNotifyMessage = WM_USER_MESSAGE + 1;

class TNewsNotifyWindow : public TForm {
public:
    // Notified runs for every NewsNotifyMessage the window receives.
    TNewsNotifyWindow(TComponent* AOwner, TApplication& Application, std::function<void()> Notified);
    ~TNewsNotifyWindow() override;
    const char* ClassName() const override { return "TNewsNotifyWindow"; }
    bool WndProc(TMessage& Message, intptr_t& Result) override;

private:
    std::function<void()> FNotified;
};
