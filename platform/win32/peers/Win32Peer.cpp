#include "platform/win32/peers/Win32Peer.h"

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/peers/FormPeer.h"

namespace {

const char* const PeerProperty = "TorvanePeer";

int ShiftState(WPARAM Keys) {
    int shift = 0;
    if (Keys & MK_SHIFT) shift |= ssShift;
    if (Keys & MK_CONTROL) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

int KeyShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

// TrackMouseEvent, looked up: Windows 95 lacks it.
BOOL TrackMouse(DWORD Flags, HWND& Wnd) {
    using TTrack = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
    static auto track = reinterpret_cast<TTrack>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "TrackMouseEvent")));
    if (!track) return FALSE;
    TRACKMOUSEEVENT request{sizeof request, Flags, Wnd, 0};
    const BOOL done = track(&request);
    Wnd = (Flags & TME_QUERY) && !(request.dwFlags & TME_LEAVE) ? nullptr : request.hwndTrack;
    return done;
}

// The child window that a reflected message to Parent is about, or nullptr.
// Owner-drawn menu items (WM_DRAWITEM and WM_MEASUREITEM of type ODT_MENU)
// belong to the menu code, not to a child.
HWND ReflectedChild(HWND Parent, UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
        case WM_COMMAND: return reinterpret_cast<HWND>(LParam);
        case WM_NOTIFY: return reinterpret_cast<NMHDR*>(LParam)->hwndFrom;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: return reinterpret_cast<HWND>(LParam);
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(LParam);
            return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
        }
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(LParam);
            return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(Parent, static_cast<int>(WParam));
        }
        default: return nullptr;
    }
}

}  // namespace

TWin32Peer::TWin32Peer(TControl& Control, HWND Wnd) : FControl(Control), FWnd(Wnd) {
    SetPropA(FWnd, PeerProperty, this);
    FInherited = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FWnd, GWLP_WNDPROC));
    if (FInherited == WindowProc) FInherited = DefWindowProcA;  // one of our own classes
    else SetWindowLongPtrA(FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    ApplyFont();
    if (!Control.Hint().empty()) ApplyHint();
}

TWin32Peer::~TWin32Peer() {
    if (FWnd) {  // else the system destroyed the window with its parent
        if (!FControl.Hint().empty()) ApplyHint(true);
        // The window must no longer reach a control that is going away.
        if (FInherited != DefWindowProcA) SetWindowLongPtrA(FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FInherited));
        RemovePropA(FWnd, PeerProperty);
        DestroyWindow(FWnd);
    }
}

TWin32Peer* TWin32Peer::PeerOf(HWND Wnd) { return Wnd ? static_cast<TWin32Peer*>(GetPropA(Wnd, PeerProperty)) : nullptr; }

void TWin32Peer::Changed(TControlChange What) {
    // What the window says back about a change the program makes is not a
    // change by the user.
    const bool applying = FApplying;
    FApplying = true;
    Apply(What);
    FApplying = applying;
}

void TWin32Peer::Apply(TControlChange What) {
    switch (What) {
        case ccBounds: {
            const TRect& r = FControl.BoundsRect();
            SetWindowPos(FWnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case ccVisible:
            ShowWindow(FWnd, FControl.Visible() ? SW_SHOW : SW_HIDE);
            if (!FControl.Visible()) ForgetMouse();
            break;
        case ccEnabled: EnableWindow(FWnd, FControl.Enabled()); break;
        case ccCaption: SetWindowTextA(FWnd, FControl.Caption().c_str()); break;
        case ccPaint:
            // Once invalid, the window stays so until it paints: asking again
            // (a chart draws a dozen shapes per sample) would cost a call each.
            if (!FInvalid) InvalidateRect(FWnd, nullptr, TRUE);
            FInvalid = true;
            break;
        case ccHint: ApplyHint(); break;
        case ccFont: ApplyFont(); break;
        case ccCursor: ApplyCursor(); break;
        case ccFocus: ::SetFocus(FWnd); break;
        case ccCapture:
            if (FControl.MouseCapture()) SetCapture(FWnd);
            else if (GetCapture() == FWnd) ReleaseCapture();
            break;
        default: KindChanged(What); break;
    }
}

// Static texts and buttons take their text colour from their font, on the
// parent's background.
bool TWin32Peer::Reflect(UINT Msg, WPARAM WParam, LPARAM, LRESULT& Result) {
    if (Msg != WM_CTLCOLORSTATIC && Msg != WM_CTLCOLORBTN) return false;
    HDC dc = reinterpret_cast<HDC>(WParam);
    const COLORREF back = ColorRef(FControl.Parent() ? FControl.Parent()->Color() : clBtnFace);
    SetTextColor(dc, ColorRef(FControl.Font().Color()));
    SetBkColor(dc, back);
    Result = reinterpret_cast<LRESULT>(FBackBrush.Get(back));
    return true;
}

LRESULT TWin32Peer::Inherited(UINT Msg, WPARAM WParam, LPARAM LParam) {
    return CallWindowProcA(FInherited, FWnd, Msg, WParam, LParam);
}

LRESULT CALLBACK TWin32Peer::WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TWin32Peer* peer = PeerOf(Wnd);
    if (!peer) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    if (Msg == WM_NCDESTROY) {
        // Destroyed by the system (with its parent): forget the window.
        RemovePropA(Wnd, PeerProperty);
        LRESULT result = peer->Inherited(Msg, WParam, LParam);
        if (peer->FInherited != DefWindowProcA)
            SetWindowLongPtrA(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(peer->FInherited));
        peer->FWnd = nullptr;
        return result;
    }
    LRESULT result = 0;
    if (peer->WindowMessage(Msg, WParam, LParam, result)) return result;
    return peer->Inherited(Msg, WParam, LParam);
}

bool TWin32Peer::WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    if (HWND child = ReflectedChild(FWnd, Msg, WParam, LParam)) {
        if (TWin32Peer* peer = PeerOf(child); peer && peer != this) return peer->Reflect(Msg, WParam, LParam, Result);
        return false;
    }
    switch (Msg) {
        case WM_WINDOWPOSCHANGED:
            ReadBounds();
            return false;
        case WM_SETCURSOR:
            if (FControl.Cursor() == crDefault || reinterpret_cast<HWND>(WParam) != FWnd) return false;
            ApplyCursor();
            Result = TRUE;
            return true;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            return KeyMessage(Msg, WParam, Result);
        case WM_SYSCHAR:
            if (!DialogChar(WParam, LParam)) return false;  // the system's menu or beep
            Result = 0;
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            FControl.FocusFromWindow(Msg == WM_SETFOCUS);
            return false;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(LParam) != FWnd) FControl.CaptureLostFromWindow();
            return false;
        case WM_CONTEXTMENU:
            if (!ContextMenu(LParam)) return false;
            Result = 0;
            return true;
        case WM_PAINT:
            FInvalid = false;
            if (FInherited != DefWindowProcA) return false;  // the system draws its own controls
            {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(FWnd, &ps);
                TGdiCanvas canvas(dc);
                FControl.Paint(canvas);
                EndPaint(FWnd, &ps);
            }
            return true;
        default:
            if (!MouseMessage(Msg, WParam, LParam)) return false;
            Result = 0;
            return true;
    }
}

// The system's own handling first (a button's click happens on the release),
// then the control's events.
bool TWin32Peer::MouseMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
    int x = static_cast<short>(LOWORD(LParam)), y = static_cast<short>(HIWORD(LParam));
    switch (Msg) {
        case WM_MOUSEMOVE:
            Inherited(Msg, WParam, LParam);
            SetMouseInside(true);
            return true;
        case WM_MOUSELEAVE:
            Inherited(Msg, WParam, LParam);
            SetMouseInside(false);
            return true;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            TMouseButton button = Msg == WM_LBUTTONDOWN ? mbLeft : Msg == WM_RBUTTONDOWN ? mbRight : mbMiddle;
            FControl.PressingFromWindow(true);
            Inherited(Msg, WParam, LParam);
            FControl.PressingFromWindow(false);
            FControl.MouseDown(button, ShiftState(WParam), x, y);
            return true;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            TMouseButton button = Msg == WM_LBUTTONUP ? mbLeft : Msg == WM_RBUTTONUP ? mbRight : mbMiddle;
            Inherited(Msg, WParam, LParam);
            FControl.MouseUp(button, ShiftState(WParam), x, y);
            return true;
        }
        default: return false;
    }
}

void TWin32Peer::SetMouseInside(bool Value) {
    if (Value == FMouseInside) return;
    FMouseInside = Value;
    if (Value) {
        HWND tracked = FWnd;
        TrackMouse(TME_LEAVE, tracked);
        FControl.MouseEnter();
    } else {
        FControl.MouseLeave();
    }
}

bool TWin32Peer::KeyMessage(UINT Msg, WPARAM WParam, LRESULT& Result) {
    Result = 0;
    if (Msg == WM_KEYDOWN || Msg == WM_KEYUP) {
        auto key = static_cast<uint16_t>(WParam);
        if (Msg == WM_KEYDOWN) FControl.KeyDown(key, KeyShiftState());
        else FControl.KeyUp(key, KeyShiftState());
        if (Msg == WM_KEYDOWN && key != 0 && DialogKey(key)) key = 0;
        return key == 0;  // swallowed
    }
    char key = static_cast<char>(WParam);
    // A tab is no character for a window that leaves Tab to the dialog keys.
    if (key == '\t' && !(WantedKeys(VK_TAB) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) return true;
    FControl.KeyPress(key);
    if (key == 0) return true;
    if (key != static_cast<char>(WParam)) {
        Result = Inherited(Msg, static_cast<unsigned char>(key), 0);
        return true;
    }
    return false;
}

LRESULT TWin32Peer::WantedKeys(WPARAM Key) const {
    MSG message{FWnd, WM_KEYDOWN, Key, 0, 0, {0, 0}};
    return SendMessageA(FWnd, WM_GETDLGCODE, Key, reinterpret_cast<LPARAM>(&message));
}

// The keys of the whole window go to its controls unless the focused window
// wants them itself: Enter and Esc (a default or cancel button) unless it
// wants every key, Tab (the focus order) unless it wants tabs, the arrows (a
// radio group) unless it wants them (an edit, a track bar, a list, the tabs);
// Ctrl+Tab (the pages) always.
bool TWin32Peer::DialogKey(WPARAM Key) {
    const int shift = KeyShiftState();
    LRESULT own = DLGC_WANTALLKEYS | DLGC_WANTMESSAGE;
    switch (Key) {
        case VK_RETURN:
        case VK_ESCAPE: break;
        case VK_TAB: own = (shift & ssCtrl) ? 0 : own | DLGC_WANTTAB; break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: own |= DLGC_WANTARROWS; break;
        default: return false;
    }
    if (own && (WantedKeys(Key) & own)) return false;
    TWinControl* top = TopParent(FControl);
    if (!top || !top->DialogKey(static_cast<uint16_t>(Key), shift)) return false;
    // The focus moved by the keys: the system shows where it is from now on
    // (Windows 2000 and later hide it until then; earlier ones ignore this).
    if (Key != VK_RETURN && Key != VK_ESCAPE && top->Handle())
        SendMessageA(static_cast<HWND>(top->Handle()), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

// The character's record says whether Alt is held (bit 29).
bool TWin32Peer::DialogChar(WPARAM Key, LPARAM KeyData) {
    TWinControl* top = TopParent(FControl);
    const int alt = (KeyData & (1 << 29)) ? ssAlt : 0;
    return top && top->DialogChar(static_cast<char>(Key), KeyShiftState() | alt);
}

// A window that goes from under the mouse, or whose parent goes, leaves it:
// the system would otherwise look for the leaving, five times a second, for
// as long as the mouse stays where the window was.
void TWin32Peer::ForgetMouse() {
    HWND tracked = nullptr;
    if (!TrackMouse(TME_QUERY, tracked) || !tracked || (tracked != FWnd && !IsChild(FWnd, tracked))) return;
    TrackMouse(TME_CANCEL | TME_LEAVE, tracked);
    if (TWin32Peer* peer = PeerOf(tracked)) peer->SetMouseInside(false);
}

// A right click or the menu key; the key gives no point, so the menu comes
// at the window's middle.
bool TWin32Peer::ContextMenu(LPARAM LParam) {
    POINT p{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
    if (LParam == -1) {
        RECT r;
        GetWindowRect(FWnd, &r);
        p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    return FControl.ContextPopup(p.x, p.y);
}

// Where the system put the window, in the parent's client coordinates.
void TWin32Peer::ReadBounds() {
    RECT r;
    GetWindowRect(FWnd, &r);
    if (HWND parent = (GetWindowLongA(FWnd, GWL_STYLE) & WS_CHILD) ? GetParent(FWnd) : nullptr)
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    FControl.BoundsFromWindow(TRect{r.left, r.top, r.right, r.bottom});
}

// The form's tool-tips show the control's hint; a control outside any form
// with a window has none.
void TWin32Peer::ApplyHint(bool Remove) {
    TControl* top = &FControl;
    while (top->Parent()) top = top->Parent();
    if (top == &FControl || top->Kind() != ckForm || !top->Peer()) return;
    static_cast<TFormPeer*>(top->Peer())->Hints().SetTool(FWnd, Remove ? std::string() : FControl.Hint());
}

void TWin32Peer::ApplyFont() {
    SendMessageA(FWnd, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Get(FControl.Font())), TRUE);
}

void TWin32Peer::ApplyCursor() {
    static const LPCSTR cursors[] = {IDC_ARROW, IDC_ARROW, MAKEINTRESOURCEA(32649) /* IDC_HAND */, IDC_WAIT};
    if (FControl.Cursor() == crDefault) return;
    HCURSOR cursor = LoadCursorA(nullptr, cursors[FControl.Cursor()]);
    // Windows 95 and NT 4 have no hand pointer.
    if (!cursor) cursor = LoadCursorA(nullptr, IDC_ARROW);
    POINT p;
    GetCursorPos(&p);
    if (WindowFromPoint(p) == FWnd) SetCursor(cursor);
}

void RegisterPeerClass(const char* Name) {
    WNDCLASSA existing;
    if (GetClassInfoA(GetModuleHandleA(nullptr), Name, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = TWin32Peer::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = Name;
    RegisterClassA(&wc);
}

HWND CreateChildWindow(const char* ClassName, DWORD Style, TControl& Control, TControlPeer* Parent, DWORD ExStyle) {
    const TRect& r = Control.BoundsRect();
    DWORD visible = Control.Visible() ? WS_VISIBLE : 0;
    DWORD disabled = Control.Enabled() ? 0 : WS_DISABLED;
    DWORD tabStop = Control.TabStop() ? WS_TABSTOP : 0;  // for other programs: the focus order is the controls'
    // A window that lies under a sibling does not paint over it.
    return CreateWindowExA(ExStyle, ClassName, Control.Caption().c_str(),
                           WS_CHILD | WS_CLIPSIBLINGS | Style | visible | disabled | tabStop,
                           r.Left, r.Top, r.Width(), r.Height(), static_cast<HWND>(Parent->Handle()), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}
