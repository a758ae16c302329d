#pragma once
// The shell on Windows: the notification area's icons through one hidden
// window that receives their notifications, and ShellExecuteA.
#include <windows.h>

#include <map>

#include "platform/Shell.h"

class TWin32Shell : public TShell {
public:
    TWin32Shell();
    ~TWin32Shell() override;
    TWin32Shell(const TWin32Shell&) = delete;
    TWin32Shell& operator=(const TWin32Shell&) = delete;

    bool NotifyIcon(uint32_t Command, const TNotifyIconRecord& Record) override;
    size_t TipLength() override;
    void AddTrayListener(uint32_t Id, TTrayListener& Listener) override { FListeners[Id] = &Listener; }
    void RemoveTrayListener(uint32_t Id) override { FListeners.erase(Id); }
    uint32_t TaskbarCreatedMessage() override { return FTaskbarCreated; }
    void Execute(void* Owner, const std::string& Operation, const std::string& File, const std::string& Parameters,
                 const std::string& Directory, int ShowCommand) override;

    HWND Handler() const { return FHandler; }
    // The size of the NOTIFYICONDATA record this shell takes.
    DWORD RecordSize() const { return FRecordSize; }

private:
    static LRESULT CALLBACK HandlerProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

    HWND FHandler;
    UINT FTaskbarCreated;
    DWORD FRecordSize;
    std::map<uint32_t, TTrayListener*> FListeners;
};
