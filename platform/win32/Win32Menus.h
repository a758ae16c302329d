#pragma once
// Popup menus on the system's menus: built from the items each time one pops
// up, tracked until it closes, and destroyed.
#include <windows.h>

class TMenuItem;
class TPopupMenu;

// Shows Menu at (X, Y) of the screen, owned by Owner (a hidden window of
// ours for nullptr); the item chosen, or nullptr.
TMenuItem* TrackMenu(TPopupMenu& Menu, int X, int Y, HWND Owner);
// WM_MEASUREITEM or WM_DRAWITEM that the owner of a menu received: an
// owner-drawn item of the menu being shown is measured or drawn by its
// handlers. False for anything else.
bool MenuItemMessage(UINT Msg, LPARAM LParam);
