#pragma once
// A notification area without a shell: records every call with what the
// icon looked like, answers as a shell would (adding an icon twice, changing
// or deleting one that is not there fail), and lets tests send notifications.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "ui/Icon.h"

class TFakeShell : public TShell {
public:
    struct TCall {
        uint32_t Command;
        uint32_t Id;
        std::string Tip;
        bool HasIcon;
        bool Done;
    };
    std::vector<TCall> Calls;
    std::map<uint32_t, TNotifyIconRecord> Shown;  // the icons in the area
    bool RefuseModify = false;                      // a shell that lost the icon, say
    size_t TipRoom = 127;                           // 63 for a shell before 5.0
    uint32_t TaskbarCreated = 0xC123;
    struct TExecute {
        void* Owner;
        std::string Operation, File, Parameters, Directory;
        int ShowCommand;
    };
    std::vector<TExecute> Executed;

    bool NotifyIcon(uint32_t Command, const TNotifyIconRecord& Record) override {
        bool done = true;
        switch (Command) {
            case NIM_ADD_COMMAND: done = Shown.insert({Record.Id, Record}).second; break;
            case NIM_MODIFY_COMMAND: done = !RefuseModify && Shown.count(Record.Id); if (done) Shown[Record.Id] = Record; break;
            case NIM_DELETE_COMMAND: done = Shown.erase(Record.Id) > 0; break;
            default: break;
        }
        if (done && Record.Icon && Shown.count(Record.Id)) Pictures[Record.Id].AssignBitmap(Record.Icon->Picture(), clNone);
        Calls.push_back({Command, Record.Id, Record.Tip, Record.Icon != nullptr, done});
        return done;
    }
    size_t TipLength() override { return TipRoom; }
    void AddTrayListener(uint32_t Id, TTrayListener& Listener) override { Listeners[Id] = &Listener; }
    void RemoveTrayListener(uint32_t Id) override { Listeners.erase(Id); }
    uint32_t TaskbarCreatedMessage() override { return TaskbarCreated; }
    void Execute(void* Owner, const std::string& Operation, const std::string& File, const std::string& Parameters,
                 const std::string& Directory, int ShowCommand) override {
        Executed.push_back({Owner, Operation, File, Parameters, Directory, ShowCommand});
    }

    // The shell reports MouseMessage for every icon.
    void Notify(uint32_t MouseMessage) {
        const auto listeners = Listeners;
        for (auto& [id, listener] : listeners) listener->TrayNotification(MouseMessage);
    }
    std::map<uint32_t, TTrayListener*> Listeners;
    std::map<uint32_t, TIcon> Pictures;
};
