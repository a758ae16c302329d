#include "platform/win32/Win32Peers.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/Win32Hints.h"
#include "platform/win32/LayeredWindow.h"
#include "ui/Form.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"

namespace {

const char* const ControlClassName = "TorvaneControl";

TControl* ControlOf(HWND Wnd) { return reinterpret_cast<TControl*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA)); }

HFONT CreateFontFor(const TFont& Font) {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(Font.Size(), GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    int style = Font.Style();
    return CreateFontA(height, 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL, (style & fsItalic) != 0,
                       (style & fsUnderline) != 0, (style & fsStrikeOut) != 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Font.Name().c_str());
}

// Static texts take their colour from their font, on the parent's background.
bool ColorStaticText(WPARAM DC, LPARAM Child, LRESULT& Result) {
    TControl* child = ControlOf(reinterpret_cast<HWND>(Child));
    if (!child) return false;
    HDC dc = reinterpret_cast<HDC>(DC);
    SetTextColor(dc, TGdiCanvas(dc).ColorToRGB(child->Font().Color()));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    Result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

class TWin32Peer : public TControlPeer {
public:
    TWin32Peer(TControl& Control, HWND Wnd) : FControl(Control), FWnd(Wnd) {
        SetWindowLongPtrA(FWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&Control));
        ApplyFont();
        if (!Control.Hint().empty()) ApplyHint();
    }
    ~TWin32Peer() override {
        // The window must no longer reach a control that is going away.
        SetWindowLongPtrA(FWnd, GWLP_USERDATA, 0);
        if (!FControl.Hint().empty()) ApplyHint(true);
        if (IsWindow(FWnd)) DestroyWindow(FWnd);
        if (FFont) DeleteObject(FFont);
    }
    void* Handle() const override { return FWnd; }
    void Changed(TControlChange What) override {
        switch (What) {
            case ccBounds: {
                const TRect& r = FControl.BoundsRect();
                SetWindowPos(FWnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
                break;
            }
            case ccVisible: ShowWindow(FWnd, FControl.Visible() ? SW_SHOW : SW_HIDE); break;
            case ccEnabled: EnableWindow(FWnd, FControl.Enabled()); break;
            case ccCaption: SetWindowTextA(FWnd, FControl.Caption().c_str()); break;
            case ccPaint: InvalidateRect(FWnd, nullptr, TRUE); break;
            case ccHint: ApplyHint(); break;
            case ccFont: ApplyFont(); break;
            case ccState: StateChanged(); break;
        }
    }

protected:
    virtual void StateChanged() {}
    TControl& FControl;
    HWND FWnd;

private:
    void ApplyHint(bool Remove = false);
    void ApplyFont() {
        HFONT old = FFont;
        FFont = CreateFontFor(FControl.Font());
        SendMessageA(FWnd, WM_SETFONT, reinterpret_cast<WPARAM>(FFont), TRUE);
        if (old) DeleteObject(old);
    }
    HFONT FFont = nullptr;
};

class TFormPeer : public TWin32Peer {
public:
    TFormPeer(TForm& Form, HWND Wnd) : TWin32Peer(Form, Wnd), FHints(Wnd) { StateChanged(); }
    void StateChanged() override {
        auto& form = static_cast<TForm&>(FControl);
        SetLayeredOpacity(FWnd, form.AlphaBlend(), form.AlphaBlendValue());
        FHints.SetActive(form.ShowHint());
    }
    THintWindow& Hints() { return FHints; }

private:
    THintWindow FHints;
};

// The form's tool-tips show the control's hint; a control outside any form
// with a window has none.
void TWin32Peer::ApplyHint(bool Remove) {
    TControl* top = &FControl;
    while (top->Parent()) top = top->Parent();
    if (top == &FControl || !dynamic_cast<TForm*>(top)) return;
    if (auto* formPeer = dynamic_cast<TFormPeer*>(top->Peer()))
        formPeer->Hints().SetTool(FWnd, Remove ? std::string() : FControl.Hint());
}

class TPageControlPeer : public TWin32Peer {
public:
    TPageControlPeer(TControl& Control, HWND Wnd) : TWin32Peer(Control, Wnd) { StateChanged(); }
    void Changed(TControlChange What) override {
        TWin32Peer::Changed(What);
        if (What == ccBounds) LayOutPages();
    }
    void StateChanged() override {
        auto& pages = static_cast<TPageControl&>(FControl);
        TabCtrl_DeleteAllItems(FWnd);
        for (int i = 0; i < pages.PageCount(); ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            std::string text = pages.Pages(i)->Caption();
            item.pszText = text.data();
            SendMessageA(FWnd, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        TabCtrl_SetCurSel(FWnd, pages.ActivePageIndex());
        LayOutPages();
    }

private:
    void LayOutPages() {
        RECT r;
        GetClientRect(FWnd, &r);
        TabCtrl_AdjustRect(FWnd, FALSE, &r);
        static_cast<TPageControl&>(FControl).SetDisplayRect(TRect{r.left, r.top, r.right, r.bottom});
    }
};

// Messages that the system sends to a parent about its children.
bool HandleChildNotification(UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_COMMAND && HIWORD(WParam) == BN_CLICKED && LParam) {
        if (TControl* child = ControlOf(reinterpret_cast<HWND>(LParam))) child->Click();
        return true;
    }
    if (Msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(LParam);
        if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
            if (auto* pages = dynamic_cast<TPageControl*>(ControlOf(header->hwndFrom)))
                pages->SetActivePageIndex(TabCtrl_GetCurSel(header->hwndFrom));
            return true;
        }
    }
    return false;
}

void PaintControl(HWND Wnd, TControl& Control) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Wnd, &ps);
    TGdiCanvas canvas(dc);
    Control.Paint(canvas);
    EndPaint(Wnd, &ps);
}

bool HandleFormMessage(HWND Wnd, TForm& Form, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    if (Msg == WM_WINDOWPOSCHANGING) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(LParam);
        if (!(pos->flags & SWP_NOMOVE) && IsWindowVisible(Wnd)) {
            RECT area;
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
            TRect placed = Form.PlaceWindow(Bounds(pos->x, pos->y, Form.Width(), Form.Height()),
                                            TRect{area.left, area.top, area.right, area.bottom});
            pos->x = placed.Left;
            pos->y = placed.Top;
        }
        return false;  // the system still does its own part
    }
    if (Msg == WM_SYSCOLORCHANGE) {
        LoadSystemColors();  // bitmaps draw with the new scheme from now on
        return false;
    }
    if (Msg == WM_CLOSE) {
        Form.Close();
        Result = 0;
        return true;
    }
    TMessage message{Wnd, Msg, WParam, LParam, 0, 0, 0};
    intptr_t result = 0;
    if (!Form.WndProc(message, result)) return false;
    Result = result;
    return true;
}

LRESULT CALLBACK ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TControl* control = ControlOf(Wnd);
    if (!control) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    if (HandleChildNotification(Msg, WParam, LParam)) return 0;
    if (Msg == WM_PAINT) {
        PaintControl(Wnd, *control);
        return 0;
    }
    if (LRESULT result; Msg == WM_CTLCOLORSTATIC && ColorStaticText(WParam, LParam, result)) return result;
    if (auto* form = dynamic_cast<TForm*>(control)) {
        LRESULT result = 0;
        if (HandleFormMessage(Wnd, *form, Msg, WParam, LParam, result)) return result;
    }
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

void RegisterClassOnce(const char* Name) {
    WNDCLASSA existing;
    if (GetClassInfoA(GetModuleHandleA(nullptr), Name, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = Name;
    RegisterClassA(&wc);
}

HWND CreateChild(const char* ClassName, DWORD Style, TControl& Control, TControlPeer* Parent) {
    const TRect& r = Control.BoundsRect();
    DWORD visible = Control.Visible() ? WS_VISIBLE : 0;
    DWORD disabled = Control.Enabled() ? 0 : WS_DISABLED;
    return CreateWindowExA(0, ClassName, Control.Caption().c_str(), WS_CHILD | Style | visible | disabled, r.Left,
                           r.Top, r.Width(), r.Height(), static_cast<HWND>(Parent->Handle()), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

std::unique_ptr<TControlPeer> CreateFormPeer(TForm& Form) {
    RegisterClassOnce(Form.ClassName());
    DWORD style = Form.BorderStyle() == bsNone ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    DWORD exStyle = Form.AlphaBlend() && LayeredWindowsAvailable() ? WS_EX_LAYERED : 0;
    const TRect& r = Form.BoundsRect();
    HWND wnd = CreateWindowExA(exStyle, Form.ClassName(), Form.Caption().c_str(), style | WS_CLIPCHILDREN, r.Left,
                               r.Top, r.Width(), r.Height(), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return std::make_unique<TFormPeer>(Form, wnd);
}

}  // namespace

std::unique_ptr<TControlPeer> TWin32PeerFactory::CreatePeer(TControl& Control, TControlPeer* Parent) {
    if (auto* form = dynamic_cast<TForm*>(&Control)) return CreateFormPeer(*form);
    if (dynamic_cast<TPageControl*>(&Control))
        return std::make_unique<TPageControlPeer>(Control, CreateChild(WC_TABCONTROLA, WS_CLIPSIBLINGS, Control, Parent));
    if (dynamic_cast<TLabel*>(&Control))
        return std::make_unique<TWin32Peer>(Control, CreateChild("STATIC", SS_LEFT | SS_NOTIFY, Control, Parent));
    if (dynamic_cast<TButton*>(&Control))
        return std::make_unique<TWin32Peer>(Control, CreateChild("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, Control, Parent));
    RegisterClassOnce(ControlClassName);
    return std::make_unique<TWin32Peer>(Control, CreateChild(ControlClassName, WS_CLIPCHILDREN, Control, Parent));
}
