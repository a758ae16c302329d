#pragma once
// The shell: the notification area's icons and opening documents.
#include <cstddef>
#include <cstdint>
#include <string>

class TIcon;

// Shell_NotifyIcon's commands and the record's fixed parts.
constexpr uint32_t NIM_ADD_COMMAND = 0;
constexpr uint32_t NIM_MODIFY_COMMAND = 1;
constexpr uint32_t NIM_DELETE_COMMAND = 2;
constexpr uint32_t NIM_SETVERSION_COMMAND = 4;
constexpr uint32_t NIF_STANDARD_FLAGS = 7;  // message, icon and tip
constexpr uint32_t TRAY_CALLBACK_MESSAGE = 2048;

// What one call tells the shell about an icon; the window that gets its
// notifications is the shell seam's own.
struct TNotifyIconRecord {
    uint32_t Id = 0;  // the icon's identity: 32 bits, as the shell hands it back
    const TIcon* Icon = nullptr;  // nullptr or empty: no image
    std::string Tip;              // at most 127 characters; empty for none
};

class TTrayListener {
public:
    virtual ~TTrayListener() = default;
    // The mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN...) that the shell
    // reported for the icon.
    virtual void TrayNotification(uint32_t MouseMessage) = 0;
};

class TShell {
public:
    virtual ~TShell() = default;
    // Shell_NotifyIconA; false when the shell refuses.
    virtual bool NotifyIcon(uint32_t Command, const TNotifyIconRecord& Record) = 0;
    // The most characters an icon's tip shows: 127, or 63 before shell32 5.0.
    virtual size_t TipLength() = 0;
    // The notifications for icon Id go to Listener until it is removed.
    virtual void AddTrayListener(uint32_t Id, TTrayListener& Listener) = 0;
    virtual void RemoveTrayListener(uint32_t Id) = 0;
    // The message the shell broadcasts when it starts again ("TaskbarCreated");
    // 0 where the common controls are older than 4.71 and none is registered.
    virtual uint32_t TaskbarCreatedMessage() = 0;
    // ShellExecuteA; its result is of no use to the program.
    virtual void Execute(void* Owner, const std::string& Operation, const std::string& File,
                         const std::string& Parameters, const std::string& Directory, int ShowCommand) = 0;
};
