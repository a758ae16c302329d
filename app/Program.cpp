#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/OptimiseCommand.h"
#include "app/Umain.h"
#include "engine/CpuSampler.h"
#include "sysinfo/WindowsVersion.h"
#include "ui/Application.h"

namespace {
void StartOrWake(TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System) {
    InitWindowsVersion(System.SystemInfo);
    std::unique_ptr<TCpuSampler> sampler;
    try {
        sampler = std::make_unique<TCpuSampler>(System.Performance, System.Registry);
    } catch (const ECpuSamplerError& e) {
        Windows.MessageBox(nullptr, e.what(), TORVANE_MAIN_TITLE, MB_OK_BUTTON | MB_ICONERROR_STYLE);
        return;  // the program cannot start without knowing its Windows
    }
    if (void* running = Windows.FindTopWindow(TORVANE_MAIN_CLASS, TORVANE_MAIN_TITLE)) {
        Windows.ShowWindow(running, SW_RESTORE_COMMAND);
        Windows.PostToWindow(running, WM_USER_MESSAGE, 0, 0);
        return;
    }
    TApplication application(Queue, Windows);
    application.SetTitle(TORVANE_MAIN_TITLE);
    application.CreateForm<TfMainMem>(System, *sampler);
    application.Run();
}
}  // namespace

int RunProgram(std::string_view Arguments, TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System) {
    const TCommandLine command = ParseCommandLine(Arguments);
    switch (command.Command) {
        case cmOptimise: return RunOptimiseCommand(command.Megabytes, Queue, Windows, System);
        case cmUsage:
            Windows.MessageBox(nullptr, UsageText, TORVANE_MAIN_TITLE, MB_OK_BUTTON | MB_ICONINFORMATION_STYLE);
            return ExitCompleted;
        case cmBadOption:
            Windows.MessageBox(nullptr, UsageText, TORVANE_MAIN_TITLE, MB_OK_BUTTON | MB_ICONERROR_STYLE);
            return ExitBadOption;
        default: StartOrWake(Queue, Windows, System); return ExitCompleted;
    }
}
