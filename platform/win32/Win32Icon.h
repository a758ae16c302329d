#pragma once
// System icons made from the program's icons.
#include <windows.h>

class TIcon;

// A new icon; nullptr for an empty one. The caller destroys it with DestroyIcon.
HICON CreateSystemIcon(const TIcon& Icon);
