#include "ui/RoundRectShape.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Integer midpoint stepping (after Alois Zingl) over the doubled error terms
// of an ellipse in a Width x Height box, from its middle row outwards; even
// diameters centre between pixels.
class TEllipseWalk {
public:
    TEllipseWalk(int Width, int Height) {
        const int64_t a = Width - 1, b = Height - 1, odd = b % 2;
        FStepX = 8 * b * b;
        FStepY = 8 * a * a;
        FDx = 4 * b * b * (1 - a);
        FDy = 4 * a * a * (1 + odd);
        FErr = FDx + FDy + a * a * odd;
    }
    // Moves on one pixel; tells whether the walk moves across and down.
    void Step(bool& Across, bool& Down) {
        const int64_t e2 = 2 * FErr;
        Across = e2 >= FDx;
        Down = e2 <= FDy;
        if (Across) FErr += FDx += FStepX;
        if (Down) FErr += FDy += FStepY;
    }

private:
    int64_t FStepX, FStepY, FDx, FDy, FErr;
};

}  // namespace

int CornerWidth(const TRect& Rect, int EllipseWidth) { return std::min(Rect.Width(), std::abs(EllipseWidth)); }
int CornerHeight(const TRect& Rect, int EllipseHeight) { return std::min(Rect.Height(), std::abs(EllipseHeight)); }
bool IsRoundCorner(int Width, int Height) { return Width >= 3 && Height >= 3; }

std::vector<TPoint> EllipseQuadrant(int Width, int Height) {
    TEllipseWalk walk(Width, Height);
    std::vector<TPoint> points;
    TPoint p{Width - 1, Height / 2};
    bool across = false, down = false;
    while (p.X >= Width / 2) {
        points.push_back(p);
        walk.Step(across, down);
        p.X -= across;
        p.Y += down;
    }
    return points;
}

std::vector<int> EllipseRowInsets(int Width, int Height) {
    TEllipseWalk walk(Width, Height);
    // Rows that a narrow ellipse's walk never reaches stay empty, as in GDI.
    std::vector<int> insets(Height, RowLeftEmpty);
    int x = 0, y = Height / 2;
    insets[y] = 0;
    bool across = false, down = false;
    while (x <= Width / 2 && y < Height - 1) {
        walk.Step(across, down);
        x += across;
        if (down) insets[++y] = x;
    }
    for (int i = 0; i < Height / 2; ++i) insets[i] = insets[Height - 1 - i];
    return insets;
}

std::vector<TPoint> RoundRectOutline(const TRect& Rect, int EllipseWidth, int EllipseHeight) {
    const int w = CornerWidth(Rect, EllipseWidth), h = CornerHeight(Rect, EllipseHeight);
    const int right = Rect.Right - 1, bottom = Rect.Bottom - 1;
    if (!IsRoundCorner(w, h)) return {{right, Rect.Top}, {Rect.Left, Rect.Top}, {Rect.Left, bottom}, {right, bottom}};

    const std::vector<TPoint> quadrant = EllipseQuadrant(w, h);
    const size_t n = quadrant.size();
    std::vector<TPoint> outline;
    outline.reserve(n * 4);
    // Each corner is the quarter mirrored into place, walked in the
    // direction of travel so that the corners join up in order.
    auto corner = [&](bool Left, bool Top, bool Reversed) {
        for (size_t i = 0; i < n; ++i) {
            const TPoint& q = quadrant[Reversed ? n - 1 - i : i];
            outline.push_back({Left ? Rect.Left + w - 1 - q.X : Rect.Right - w + q.X,
                               Top ? Rect.Top + h - 1 - q.Y : Rect.Bottom - h + q.Y});
        }
    };
    corner(false, false, false);
    corner(true, false, true);
    corner(true, true, false);
    corner(false, true, true);
    return outline;
}
