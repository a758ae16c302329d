#include "app/OptimiseCommand.h"

#include <algorithm>

#include "app/CommandLine.h"
#include "app/RecoveryMethod.h"
#include "app/Umain.h"
#include "history/RunJournal.h"
#include "news/NewsFetch.h"
#include "ui/Registry.h"
#include "ui/Timer.h"

namespace {
// How often the command looks whether the instance it waits for is still there.
constexpr uint32_t InstanceWatchMs = 1000;

// The method and amount that the settings hold, each value on its own as the
// window loads them: a missing one keeps its default.
TRecoveryRun SavedRun(TRegistryApi& Api, const TMemRecovery& Engine) {
    const int64_t installed = InstalledMegabytes(Engine);
    int32_t method = SystemMethod;
    int32_t manual = static_cast<int32_t>(MethodRun(SystemMethod, 0, Engine).Megabytes);
    TRegistry registry(Api);
    registry.SetRootKey(HKEY_CURRENT_USER_KEY);
    const auto read = [&](const char* Name, int32_t& Value) {
        try {
            Value = registry.ReadInteger(Name);
        } catch (const ERegistryException&) {
        }
    };
    if (registry.OpenKey(SettingsKey, false)) {
        read("Recover Method", method);
        read("Recover MB", manual);
    }
    if (method < SystemMethod || method > WholeMethod) method = SystemMethod;
    return MethodRun(method, static_cast<int>(std::clamp<int64_t>(manual, 0, installed)), Engine);
}

// Dispatches the thread's messages until the answer Answer comes (its word
// parameter is the exit code) or the quit message (its exit code).
int WaitForAnswer(TMessageQueue& Queue, uint32_t Answer) {
    TMessage message;
    while (Queue.GetMessage(message)) {
        if (Answer && message.Wnd == nullptr && message.Msg == Answer) return static_cast<int>(message.WParam);
        Queue.DispatchMessage(message);
    }
    return message.Msg == WM_QUIT_MESSAGE ? static_cast<int>(message.WParam) : ExitNotCompleted;
}

int AskRunningInstance(void* Instance, int Megabytes, TMessageQueue& Queue, TWindowSystem& Windows, TInstanceLink& Link) {
    Windows.PostToWindow(Instance, Link.OptimiseMessage(), Link.ThisThread(), Megabytes);
    // An instance that goes without answering (ended from the task manager, say) fails the command.
    TTimer watch(nullptr, Windows.Timers());
    watch.SetInterval(InstanceWatchMs);
    watch.SetOnTimer(TNotifyEvent(TNotifyEvent::TFunction([&](TObject*) {
        if (!Link.WindowExists(Instance)) Queue.PostQuitMessage(ExitNotCompleted);
    })));
    return WaitForAnswer(Queue, Link.OptimisedMessage());
}

int OptimiseHere(int Megabytes, TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System) {
    TMemRecovery engine(nullptr, System.Memory, Queue);
    TRunHistory history(System.Files, HistoryFolder(System.Files, FolderOf(System.ExeName)));
    TRunJournal journal(engine, System.Clock, Windows.Timers(), history);
    journal.OnRecordComplete = [&](const TRunRecord& Run) { Queue.PostQuitMessage(ExitCode(Run.Outcome)); };
    engine.SetOnAfterDefrag(TNotifyEvent(TNotifyEvent::TFunction([&](TObject*) { journal.RunEnded(); })));
    const TRecoveryRun run = Megabytes > 0 ? MethodRun(ManualMethod, Megabytes, engine) : SavedRun(System.Registry, engine);
    journal.RunStarting(rtCommandLine, run.Method, run.Megabytes);
    engine.Defrag(run.Megabytes);
    return WaitForAnswer(Queue, 0);
}
}  // namespace

int RunOptimiseCommand(int Megabytes, TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System) {
    if (void* running = Windows.FindTopWindow(TORVANE_MAIN_CLASS, TORVANE_MAIN_TITLE))
        return AskRunningInstance(running, Megabytes, Queue, Windows, System.Link);
    return OptimiseHere(Megabytes, Queue, Windows, System);
}
