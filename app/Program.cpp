#include "app/Program.h"

#include "app/Umain.h"
#include "ui/Application.h"

void RunProgram(TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System) {
    if (void* running = Windows.FindTopWindow("TfMainMem", "Torvane XP")) {
        Windows.ShowWindow(running, SW_RESTORE_COMMAND);
        Windows.PostToWindow(running, WM_USER_MESSAGE, 0, 0);
        return;
    }
    TApplication application(Queue, Windows);
    application.SetTitle("Torvane XP");
    application.CreateForm<TfMainMem>(System);
    application.Run();
}
