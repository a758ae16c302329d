#pragma once
#include "core/Graphics.h"

// Moves a window that comes within Distance pixels of an edge of the work
// area onto that edge; its size never changes.
TRect SnapToEdges(const TRect& Window, const TRect& WorkArea, int Distance);
