#include "platform/win32/peers/FormPeer.h"

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/LayeredWindow.h"
#include "platform/win32/Win32Menus.h"
#include "platform/win32/peers/StdPeers.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

struct TFrameStyle {
    DWORD Style;
    DWORD ExStyle;
};

TFrameStyle FrameStyle(TBorderStyle Border) {
    switch (Border) {
        case bsNone: return {WS_POPUP, 0};
        case bsSingle: return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
        case bsSizeable: return {WS_OVERLAPPEDWINDOW, 0};
        case bsToolWindow: return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
        case bsSizeToolWin: return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW};
    }
    return {WS_POPUP, 0};
}

// The outer size of a window of this frame whose inside is Width x Height.
SIZE OuterSize(const TFrameStyle& Frame, int Width, int Height) {
    RECT r{0, 0, Width, Height};
    AdjustWindowRectEx(&r, Frame.Style, FALSE, Frame.ExStyle);
    return {r.right - r.left, r.bottom - r.top};
}

HWND CreateFormWindow(TForm& Form) {
    RegisterPeerClass(Form.ClassName());
    TFrameStyle frame = FrameStyle(Form.BorderStyle());
    if (Form.AlphaBlend() && LayeredWindowsAvailable()) frame.ExStyle |= WS_EX_LAYERED;
    if (Form.TopMost()) frame.ExStyle |= WS_EX_TOPMOST;
    SIZE size = OuterSize(frame, Form.ClientWidth(), Form.ClientHeight());
    return CreateWindowExA(frame.ExStyle, Form.ClassName(), Form.Caption().c_str(), frame.Style | WS_CLIPCHILDREN,
                           Form.Left(), Form.Top(), size.cx, size.cy, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

}  // namespace

std::unique_ptr<TControlPeer> CreateFormPeer(TControl& Control, TControlPeer*) {
    return std::make_unique<TFormPeer>(static_cast<TForm&>(Control));
}

TFormPeer::TFormPeer(TForm& Form) : TWin32Peer(Form, CreateFormWindow(Form)), FHints(FWnd) {
    KindChanged(ccAlphaBlend);
    KindChanged(ccShowHint);
    KindChanged(ccHintColor);
    RECT r;
    GetWindowRect(FWnd, &r);
    Form.BoundsFromWindow(TRect{r.left, r.top, r.right, r.bottom});
}

TForm& TFormPeer::Form() const { return static_cast<TForm&>(FControl); }

void TFormPeer::KindChanged(TControlChange What) {
    switch (What) {
        case ccAlphaBlend: SetLayeredOpacity(FWnd, Form().AlphaBlend(), Form().AlphaBlendValue()); break;
        case ccShowHint: FHints.SetActive(Form().ShowHint()); break;
        case ccHintColor: FHints.SetColor(ColorRef(Form().Application().HintColor())); break;
        case ccTopMost:
            SetWindowPos(FWnd, Form().TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        case ccClientSize: ApplyClientSize(); break;
        default: break;
    }
}

void TFormPeer::ApplyClientSize() {
    TFrameStyle frame{static_cast<DWORD>(GetWindowLongA(FWnd, GWL_STYLE)),
                      static_cast<DWORD>(GetWindowLongA(FWnd, GWL_EXSTYLE))};
    SIZE size = OuterSize(frame, Form().ClientWidth(), Form().ClientHeight());
    SetWindowPos(FWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TFormPeer::WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    TMessage message{FWnd, Msg, WParam, LParam, 0, 0, 0};
    intptr_t result = 0;
    if (Form().Dispatch(message, result)) {
        Result = result;
        return true;
    }
    switch (Msg) {
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(LParam);
            if (!(pos->flags & SWP_NOMOVE) && IsWindowVisible(FWnd)) {
                RECT area;
                SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
                TRect placed = Form().PlaceWindow(Bounds(pos->x, pos->y, Form().Width(), Form().Height()),
                                                  TRect{area.left, area.top, area.right, area.bottom});
                pos->x = placed.Left;
                pos->y = placed.Top;
            }
            return false;  // the system still does its own part
        }
        case WM_SIZE:
            Form().ClientSizeFromWindow(LOWORD(LParam), HIWORD(LParam));
            return false;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(LParam);
            if (Form().MinWidth() > 0) info->ptMinTrackSize.x = Form().MinWidth();
            if (Form().MinHeight() > 0) info->ptMinTrackSize.y = Form().MinHeight();
            Result = 0;
            return true;
        }
        case WM_SYSCOLORCHANGE:
            LoadSystemColors();  // bitmaps draw with the new scheme from now on
            return false;
        case WM_CLOSE:
            Form().Close();
            Result = 0;
            return true;
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            if (MenuItemMessage(Msg, LParam)) {
                Result = TRUE;
                return true;
            }
            break;
        default: break;
    }
    return TWin32Peer::WindowMessage(Msg, WParam, LParam, Result);
}
