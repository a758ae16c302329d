#include "app/Program.h"

#include "app/Umain.h"
#include "ui/Application.h"

void RunProgram(TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System) {
    if (void* running = Windows.FindTopWindow(TORVANE_MAIN_CLASS, TORVANE_MAIN_TITLE)) {
        Windows.ShowWindow(running, SW_RESTORE_COMMAND);
        Windows.PostToWindow(running, WM_USER_MESSAGE, 0, 0);
        return;
    }
    TApplication application(Queue, Windows);
    application.SetTitle(TORVANE_MAIN_TITLE);
    application.CreateForm<TfMainMem>(System);
    application.Run();
}
