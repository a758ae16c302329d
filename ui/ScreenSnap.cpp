#include "ui/ScreenSnap.h"

#include <cstdlib>

namespace {
// The offset that puts an edge (Near or Far) onto its work-area edge, or 0.
int SnapOffset(int Near, int Far, int AreaNear, int AreaFar, int Distance) {
    if (std::abs(Near - AreaNear) <= Distance) return AreaNear - Near;
    if (std::abs(Far - AreaFar) <= Distance) return AreaFar - Far;
    return 0;
}
}  // namespace

TRect SnapToEdges(const TRect& Window, const TRect& WorkArea, int Distance) {
    int dx = SnapOffset(Window.Left, Window.Right, WorkArea.Left, WorkArea.Right, Distance);
    int dy = SnapOffset(Window.Top, Window.Bottom, WorkArea.Top, WorkArea.Bottom, Distance);
    return Window.Offset(dx, dy);
}
