#include "tray/TrayIcon.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace {
constexpr uint32_t ExitPollMs = 20;

// Each icon of the program is a number of its own, which the shell hands
// back with every notification (as 32 bits, even to a 64-bit program).
uint32_t NextIconId() {
    static uint32_t last = 0;
    return ++last;
}
}  // namespace

TTrayIcon::TTrayIcon(TComponent* AOwner, TWindowSystem& Windows, TShell& Shell)
    : TComponent(AOwner),
      FWindows(Windows),
      FShell(Shell),
      FId(NextIconId()),
      FCycleTimer(Windows.Timers(), this, [this](TObject*) { CycleTick(); }),
      FClickTimer(Windows.Timers(), this, [this](TObject*) { ClickTimerTick(); }),
      FExitPollTimer(Windows.Timers(), this, [this](TObject*) { ExitPollTick(); }) {
    FIcon.OnChange = TNotifyEvent([this](TObject*) {
        ++FPicture;
        RefreshTrayIcon();
    });
    FShell.AddTrayListener(FId, *this);
    if (TForm* form = OwnerForm())
        form->AddMessageObserver(this, [this](const TMessage& Message) { OwnerMessage(Message); });
}

TTrayIcon::~TTrayIcon() {
    SetIconVisible(false);
    if (TForm* form = OwnerForm()) form->RemoveMessageObserver(this);
    FShell.RemoveTrayListener(FId);
}

TForm* TTrayIcon::OwnerForm() const { return dynamic_cast<TForm*>(Owner()); }

TNotifyIconRecord TTrayIcon::PrepareIconData() const {
    TNotifyIconRecord record;
    record.Id = FId;
    record.Icon = FIcon.Empty() ? nullptr : &FIcon;
    if (FShowHint && !FHint.empty()) record.Tip = FHint.substr(0, 127);
    return record;
}

bool TTrayIcon::Tell(uint32_t Command) {
    const TNotifyIconRecord record = PrepareIconData();
    const bool done = FShell.NotifyIcon(Command, record);
    if (Command == NIM_DELETE_COMMAND) FShown = {};
    else if (done && Command != NIM_SETVERSION_COMMAND) FShown = {true, record.Tip, FPicture};
    return done;
}

bool TTrayIcon::AddTrayIcon() {
    FIconVisible = true;
    return Tell(NIM_ADD_COMMAND);
}

bool TTrayIcon::DeleteTrayIcon() {
    FIconVisible = false;
    return Tell(NIM_DELETE_COMMAND);
}

// The shell is asked for a change only: an icon that is not in the area, or
// one that shows this picture and tip already, costs no call (a tip set at
// every tick would otherwise be handed over every second).
bool TTrayIcon::RefreshTrayIcon() {
    if (!FIconVisible) return false;
    if (FShown.Valid && FShown.Picture == FPicture && FShown.Tip == PrepareIconData().Tip) return true;
    return Tell(NIM_MODIFY_COMMAND) || Tell(NIM_ADD_COMMAND);
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    RefreshTrayIcon();
    SetIconVisible(FIconVisible);
    SetCycleIcons(FCycleIcons);
    SetWantEnterExitEvents(FWantEnterExitEvents);
    Tell(NIM_SETVERSION_COMMAND);  // version 0: the classic mouse notifications
}

void TTrayIcon::SetIcon(const TIcon& Value) {
    const TNotifyEvent told = FIcon.OnChange;
    FIcon.OnChange = {};
    FIcon.Assign(Value);
    FIcon.OnChange = told;
    ++FPicture;
    RefreshTrayIcon();
}

void TTrayIcon::SetIconVisible(bool Value) {
    if (Value) AddTrayIcon();
    else DeleteTrayIcon();
}

void TTrayIcon::SetHint(const std::string& Value) {
    FHint = Value.substr(0, 255);
    RefreshTrayIcon();
}

void TTrayIcon::SetShowHint(bool Value) {
    FShowHint = Value;
    RefreshTrayIcon();
}

void TTrayIcon::SetPopupMenu(TPopupMenu* Value) {
    RemoveFreeNotification(FPopupMenu);
    FPopupMenu = Value;
    FreeNotification(Value);
}

void TTrayIcon::Notification(TComponent* AComponent) {
    if (AComponent == FPopupMenu) FPopupMenu = nullptr;
    FIconList.Forget(AComponent);
}

// The poll that tells the cursor's leaving runs from its entering on: ticking
// while the cursor is elsewhere would find nothing to do, fifty times a second.
void TTrayIcon::SetWantEnterExitEvents(bool Value) {
    FWantEnterExitEvents = Value;
    if (!Value) FExitPollTimer.Stop();
    else if (!FCursorOutside) FExitPollTimer.Start(ExitPollMs);
}

void TTrayIcon::SetIconIndex(int Value) {
    TImageList* list = FIconList.Get();
    FIconIndex = !list || Value < 0 ? 0 : std::min(Value, std::max(list->Count() - 1, 0));
    if (list && list->Count() > 0) {
        const TNotifyEvent told = FIcon.OnChange;
        FIcon.OnChange = {};
        FIcon.AssignImage(*list, FIconIndex);
        FIcon.OnChange = told;
    }
    RefreshTrayIcon();
}

void TTrayIcon::SetIconList(TImageList* Value) {
    FIconList.Set(Value);
    SetIconIndex(0);
}

void TTrayIcon::SetCycleIcons(bool Value) {
    FCycleIcons = Value;
    if (!Value) {
        FCycleTimer.Stop();
        return;
    }
    SetIconIndex(0);
    FCycleTimer.Start(FCycleInterval);
}

void TTrayIcon::SetCycleInterval(uint32_t Value) {
    FCycleInterval = Value;
    SetCycleIcons(FCycleIcons);
}

void TTrayIcon::CycleTick() {
    TImageList* list = FIconList.Get();
    if (!list || list->Count() == 0) return;
    FIcon.AssignImage(*list, FIconIndex);
    Cycle();
    FIconIndex = FIconIndex + 1 < list->Count() ? FIconIndex + 1 : 0;
}

void TTrayIcon::TrayNotification(uint32_t MouseMessage) {
    if (!FEnabled) return;
    TPoint cursor;
    FWindows.GetCursorPos(cursor);
    const int shift = FWindows.AsyncShiftState();
    switch (MouseMessage) {
        case WM_MOUSEMOVE_MESSAGE:
            if (FWantEnterExitEvents && FCursorOutside) {
                MouseEnter();
                FCursorOutside = false;
                FExitPollTimer.Start(ExitPollMs);
            }
            MouseMove(shift, cursor.X, cursor.Y);
            FLastCursor = cursor;
            break;
        case WM_LBUTTONDOWN_MESSAGE:
            if (OnDblClick.Assigned()) FClickTimer.Start(FWindows.DoubleClickTime());
            MouseDown(mbLeft, shift | ssLeft, cursor.X, cursor.Y);
            FLeftDown = true;
            if (FLeftPopup) ShowMenuAtCursor();
            break;
        case WM_LBUTTONUP_MESSAGE:
            if (FLeftDown) FClickPending = true;
            if (FLeftDown && !FClickTimer.Active()) {
                FLeftDown = false;
                FClickPending = false;
                Click();
            }
            FLeftDown = false;
            MouseUp(mbLeft, shift | ssLeft, cursor.X, cursor.Y);
            break;
        case WM_LBUTTONDBLCLK_MESSAGE:
            FClickPending = false;
            FDoubleClicked = true;
            DblClick();
            if (FPopupMenu && FPopupMenu->AutoPopup() && !FLeftPopup) {
                const TMenuItem& items = FPopupMenu->Items();
                for (int i = 0; i < items.Count(); ++i)
                    if (items.Items(i)->Default()) {
                        items.Items(i)->Click();
                        break;
                    }
            }
            break;
        case WM_RBUTTONDOWN_MESSAGE:
            MouseDown(mbRight, shift | ssRight, cursor.X, cursor.Y);
            ShowMenuAtCursor();
            break;
        case WM_RBUTTONUP_MESSAGE: MouseUp(mbRight, shift | ssRight, cursor.X, cursor.Y); break;
        case WM_MBUTTONDOWN_MESSAGE: MouseDown(mbMiddle, shift | ssMiddle, cursor.X, cursor.Y); break;
        case WM_MBUTTONUP_MESSAGE: MouseUp(mbMiddle, shift | ssMiddle, cursor.X, cursor.Y); break;
        default: break;
    }
}

// A single click waits out the double-click time, so that a double click
// raises only its own event.
void TTrayIcon::ClickTimerTick() {
    FClickTimer.Stop();
    if (!FDoubleClicked && FClickPending) {
        FClickPending = false;
        Click();
    }
    FDoubleClicked = false;
}

void TTrayIcon::ExitPollTick() {
    if (FCursorOutside) return;
    TPoint cursor;
    if (!FWindows.GetCursorPos(cursor) || cursor == FLastCursor) return;
    FCursorOutside = true;
    FExitPollTimer.Stop();
    MouseExit();
}

// The menu only closes by itself when its owner is in front; the null
// message afterwards lets the owner's queue see that it closed.
void TTrayIcon::ShowMenuAtCursor() {
    TPoint cursor;
    if (!FPopupMenu || !FPopupMenu->AutoPopup() || !FWindows.GetCursorPos(cursor)) return;
    TForm* form = OwnerForm();
    if (form && form->Handle()) FWindows.SetForegroundWindow(form->Handle());
    if (form) form->Application().ProcessMessages();
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(cursor.X, cursor.Y);
    if (form && form->Handle()) FWindows.PostToWindow(form->Handle(), WM_NULL_MESSAGE, 0, 0);
}

// The owner form is also the window of the task bar's button: it takes
// both of the roles that the system's messages speak to.
void TTrayIcon::OwnerMessage(const TMessage& Message) {
    switch (Message.Msg) {
        case WM_SIZE_MESSAGE:
            if (Message.WParam == SIZE_MINIMIZED_KIND && FMinimizeToTray) DoMinimizeToTray();
            break;
        case WM_ACTIVATE_MESSAGE: {
            const uintptr_t state = Message.WParam & 0xFFFF;
            TForm* form = OwnerForm();
            if ((state == WA_ACTIVE_KIND || state == WA_CLICKACTIVE_KIND) && form && form->ActiveControl())
                form->ActiveControl()->SetFocus();
            break;
        }
        case WM_SHOWWINDOW_MESSAGE:
            if (Message.WParam == 1 && Message.LParam == 0 && OwnerForm() && OwnerForm()->Handle())
                FWindows.SetForegroundWindow(OwnerForm()->Handle());
            break;
        default:
            if (Message.Msg != 0 && Message.Msg == FShell.TaskbarCreatedMessage() && FIconVisible) AddTrayIcon();
            break;
    }
}

// The form goes, and with it (being the task bar's window) its button.
void TTrayIcon::DoMinimizeToTray() {
    TForm* form = OwnerForm();
    if (!form || !form->Application().MainForm()) return;
    form->Application().MainForm()->Hide();
    SetIconVisible(true);
    OnMinimizeToTray(this);
}
