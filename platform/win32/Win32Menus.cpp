#include "platform/win32/Win32Menus.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/GdiCanvas.h"
#include "ui/Menus.h"

namespace {

// The items of the menu being shown, by command number less one.
std::vector<TMenuItem*> Shown;

bool IsShown(const TMenuItem* Item) { return std::find(Shown.begin(), Shown.end(), Item) != Shown.end(); }

LRESULT CALLBACK OwnerProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if ((Msg == WM_MEASUREITEM || Msg == WM_DRAWITEM) && MenuItemMessage(Msg, LParam)) return TRUE;
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

// Menus that no window of a form owns (a tray icon's) belong to this one.
HWND HiddenOwner() {
    static HWND owner = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TorvaneMenuOwner";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    }();
    return owner;
}

// One item. The text stays readable (GetMenuStringA) on owner-drawn items
// where the system knows MIIM_STRING (98, 2000 and later); Windows 95 and
// NT 4 take the older record, where an owner-drawn item has no text.
void AppendItem(HMENU Menu, TMenuItem& Item, bool OwnerDrawn, HMENU SubMenu) {
    std::string text = Item.ShortCutText().empty() ? Item.Caption() : Item.Caption() + "\t" + Item.ShortCutText();
    Shown.push_back(&Item);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | (Item.IsLine() ? 0 : MIIM_STRING) | MIIM_ID | MIIM_STATE | MIIM_DATA |
                 (SubMenu ? MIIM_SUBMENU : 0);
    info.fType = (Item.IsLine() ? MFT_SEPARATOR : 0) | (Item.RadioItem() ? MFT_RADIOCHECK : 0) |
                 (OwnerDrawn ? MFT_OWNERDRAW : 0);
    info.fState = (Item.Checked() ? MFS_CHECKED : 0) | (Item.Enabled() ? 0 : MFS_GRAYED) | (Item.Default() ? MFS_DEFAULT : 0);
    info.wID = static_cast<UINT>(Shown.size());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&Item);
    info.hSubMenu = SubMenu;
    info.dwTypeData = Item.IsLine() ? nullptr : text.data();
    const UINT position = static_cast<UINT>(GetMenuItemCount(Menu));
    if (InsertMenuItemA(Menu, position, TRUE, &info)) return;
    info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
    info.fMask = MIIM_TYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | (SubMenu ? MIIM_SUBMENU : 0);
    if (OwnerDrawn) info.dwTypeData = reinterpret_cast<LPSTR>(&Item);
    InsertMenuItemA(Menu, position, TRUE, &info);
}

HMENU BuildMenu(TMenuItem& Parent, bool OwnerDraw) {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < Parent.Count(); ++i) {
        TMenuItem& item = *Parent.Items(i);
        if (!item.Visible()) continue;
        HMENU sub = item.Count() > 0 ? BuildMenu(item, OwnerDraw) : nullptr;
        AppendItem(menu, item, OwnerDraw && item.OnDrawItem.Assigned(), sub);
    }
    return menu;
}

}  // namespace

TMenuItem* TrackMenu(TPopupMenu& Menu, int X, int Y, HWND Owner) {
    Shown.clear();
    HMENU menu = BuildMenu(Menu.Items(), Menu.OwnerDraw());
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, X, Y, 0,
                                       Owner ? Owner : HiddenOwner(), nullptr);
    DestroyMenu(menu);
    TMenuItem* chosen = command > 0 && command <= static_cast<int>(Shown.size()) ? Shown[command - 1] : nullptr;
    Shown.clear();
    return chosen;
}

bool MenuItemMessage(UINT Msg, LPARAM LParam) {
    if (Msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(LParam);
        auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
        if (measure->CtlType != ODT_MENU || !IsShown(item)) return false;
        HDC screen = GetDC(nullptr);
        TGdiCanvas canvas(screen);
        int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
        item->MeasureItem(canvas, width, height);
        measure->itemWidth = static_cast<UINT>(std::max(width, 0));
        measure->itemHeight = static_cast<UINT>(std::max(height, 0));
        ReleaseDC(nullptr, screen);
        return true;
    }
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(LParam);
    auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
    if (Msg != WM_DRAWITEM || draw->CtlType != ODT_MENU || !IsShown(item)) return false;
    TGdiCanvas canvas(draw->hDC);
    const RECT& r = draw->rcItem;
    item->DrawItem(canvas, TRect{r.left, r.top, r.right, r.bottom}, (draw->itemState & ODS_SELECTED) != 0);
    return true;
}
