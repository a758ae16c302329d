#pragma once
// The application object: the main form, the message loop and the handling of
// exceptions that escape a form's creation.
#include <exception>
#include <memory>
#include <string>
#include <utility>

#include "platform/MessageQueue.h"
#include "platform/WindowSystem.h"
#include "core/Component.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication(TMessageQueue& Queue, TWindowSystem& Windows);
    ~TApplication() override;

    TMessageQueue& Queue() const { return FQueue; }
    TWindowSystem& Windows() const { return FWindows; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TForm* MainForm() const { return FMainForm; }
    bool Terminated() const { return FTerminated; }

    // Creates a form owned by the application and runs its creation handler;
    // the first form created is the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, *this, std::forward<Args>(args)...);
        if (!FMainForm) FMainForm = form;
        form->DoCreate();
        return form;
    }

    // Shows the main form and dispatches messages until the quit message.
    void Run();
    // Asks the message loop to end at its next turn.
    void Terminate();
    // Dispatches every message that waits in the queue (a quit is kept for the loop).
    void ProcessMessages();
    void ShowException(const std::exception& E);
    // The background of every form's tool-tips.
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value);
    // Brings the main form back from a minimised or hidden state, in front.
    void Restore();
    void BringToFront();

private:
    TMessageQueue& FQueue;
    TWindowSystem& FWindows;
    std::string FTitle;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    TColor FHintColor = clInfoBk;
};
