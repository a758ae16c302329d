#pragma once
// The icon in the notification area: kept in step with its properties,
// turning the shell's mouse notifications into events (click, double click,
// button down and up, move, enter and exit), popping up its menu at the
// cursor, and hiding its owner form into the tray when the form is minimised.
#include <cstdint>
#include <string>

#include "core/Component.h"
#include "platform/MessageQueue.h"
#include "platform/Shell.h"
#include "platform/WindowSystem.h"
#include "tray/SimpleTimer.h"
#include "ui/Control.h"
#include "ui/Icon.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"

class TForm;

class TTrayIcon : public TComponent, private TTrayListener {
public:
    TTrayIcon(TComponent* AOwner, TWindowSystem& Windows, TShell& Shell);
    ~TTrayIcon() override;

    // While false, no notification raises an event.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    const TIcon& Icon() const { return FIcon; }
    // The number the shell knows the icon by.
    uint32_t Id() const { return FId; }
    // Copies Value and tells the shell once.
    void SetIcon(const TIcon& Value);
    // True adds the icon to the notification area, false removes it; the
    // shell is asked again even when the value is the same.
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool Value);
    // At most 255 characters are kept, and the first 127 shown.
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    // The left button pops the menu up too.
    bool LeftPopup() const { return FLeftPopup; }
    void SetLeftPopup(bool Value) { FLeftPopup = Value; }
    // Minimising the owner form hides it into the tray.
    bool MinimizeToTray() const { return FMinimizeToTray; }
    void SetMinimizeToTray(bool Value) { FMinimizeToTray = Value; }
    bool WantEnterExitEvents() const { return FWantEnterExitEvents; }
    void SetWantEnterExitEvents(bool Value);
    // The picture of IconList the icon shows: below 0 the first, past the
    // last the last; with no list, or an empty one, none is taken.
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int Value);
    TImageList* IconList() const { return FIconList.Get(); }
    void SetIconList(TImageList* Value);
    // Shows the list's pictures one after another, every CycleInterval ms.
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool Value);
    uint32_t CycleInterval() const { return FCycleInterval; }
    void SetCycleInterval(uint32_t Value);

    // What the shell is asked; true when it agreed. A refused modify of an
    // icon that should be there adds it again, so that it never silently goes.
    virtual bool AddTrayIcon();
    virtual bool DeleteTrayIcon();
    virtual bool RefreshTrayIcon();
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnCycle;
    TMouseEvent OnMouseDown;  // button, shift state (with the button's flag), screen x, y
    TMouseEvent OnMouseUp;
    TEvent<int, int, int> OnMouseMove;  // shift state, screen x, y
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMinimizeToTray;

protected:
    virtual void Click() { OnClick(this); }
    virtual void DblClick() { OnDblClick(this); }
    virtual void Cycle() { OnCycle(this); }
    virtual void MouseDown(TMouseButton Button, int Shift, int X, int Y) { OnMouseDown(this, Button, Shift, X, Y); }
    virtual void MouseUp(TMouseButton Button, int Shift, int X, int Y) { OnMouseUp(this, Button, Shift, X, Y); }
    virtual void MouseMove(int Shift, int X, int Y) { OnMouseMove(this, Shift, X, Y); }
    virtual void MouseEnter() { OnMouseEnter(this); }
    virtual void MouseExit() { OnMouseExit(this); }
    virtual void DoMinimizeToTray();
    void Notification(TComponent* AComponent) override;
    TWindowSystem& Windows() const { return FWindows; }

private:
    void TrayNotification(uint32_t MouseMessage) override;
    TNotifyIconRecord PrepareIconData() const;
    bool Tell(uint32_t Command);
    TForm* OwnerForm() const;
    void ShowMenuAtCursor();
    void ButtonDown(TMouseButton Button, int ButtonFlag);
    void ClickTimerTick();
    void ExitPollTick();
    void CycleTick();
    void OwnerMessage(const TMessage& Message);

    TWindowSystem& FWindows;
    TShell& FShell;
    const uint32_t FId;
    bool FEnabled = true;
    TIcon FIcon;
    uint64_t FPicture = 0;  // counts the icon's changes
    // What the shell shows of the icon, as last told: none, or its picture
    // (by its count of changes) and tip.
    struct TShown {
        bool Valid = false;
        std::string Tip;
        uint64_t Picture = 0;
    } FShown;
    bool FIconVisible = false;
    std::string FHint;
    bool FShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
    bool FLeftPopup = false;
    bool FMinimizeToTray = false;
    bool FLeftDown = false;
    bool FClickPending = false;
    TSimpleTimer FCycleTimer;
    TSimpleTimer FClickTimer;
    TSimpleTimer FExitPollTimer;
    TPoint FLastCursor;
    bool FCursorOutside = true;
    bool FWantEnterExitEvents = false;
    bool FDoubleClicked = false;
    int FIconIndex = 0;
    TImageListRef FIconList{*this, [] {}};
    bool FCycleIcons = false;
    uint32_t FCycleInterval = 0;
};
