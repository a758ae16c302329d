#pragma once
// The pixels of a one-pixel line as GDI chooses them: Bresenham's stepping,
// ties broken by the direction of the line, the end point left out. Only
// the steps inside the clip rectangle's span along the line's major axis
// are visited, so a line from far outside costs no more than one across.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/Graphics.h"

// Whether a line with these steps moves its minor axis on an exact tie.
bool LineStepsOnTie(int Dx, int Dy);

// GDI refuses coordinates beyond this; lines are cut to it.
constexpr int LineCoordinateLimit = 1 << 27;

// Calls Plot(x, y) for the pixels of From..To whose major coordinate lies in
// Clip; the other coordinate is the caller's to check.
template <class TPlot>
void ForEachLinePixel(TPoint From, TPoint To, const TRect& Clip, TPlot Plot) {
    auto limit = [](TPoint p) {
        return TPoint{std::clamp(p.X, -LineCoordinateLimit, LineCoordinateLimit),
                      std::clamp(p.Y, -LineCoordinateLimit, LineCoordinateLimit)};
    };
    From = limit(From);
    To = limit(To);
    const int dx = To.X - From.X, dy = To.Y - From.Y;
    const bool xMajor = std::abs(dx) > std::abs(dy);
    const int64_t major = std::abs(xMajor ? dx : dy), minor = std::abs(xMajor ? dy : dx);
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1, minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int majorStart = xMajor ? From.X : From.Y, minorStart = xMajor ? From.Y : From.X;
    const int low = xMajor ? Clip.Left : Clip.Top, high = xMajor ? Clip.Right : Clip.Bottom;
    // The steps whose major coordinate falls in [low, high).
    const int64_t first = std::max<int64_t>(0, majorStep > 0 ? int64_t{low} - majorStart : int64_t{majorStart} - high + 1);
    const int64_t last = std::min<int64_t>(major, majorStep > 0 ? int64_t{high} - majorStart : int64_t{majorStart} - low + 1);
    const int64_t bias = LineStepsOnTie(dx, dy) ? 1 : 0;
    for (int64_t i = first; i < last; ++i) {
        // Bresenham's error recurrence in closed form: the minor steps taken
        // before step i.
        const int64_t m = (2 * minor * i + major - 1 + bias) / (2 * major);
        const int a = static_cast<int>(majorStart + i * majorStep), b = static_cast<int>(minorStart + m * minorStep);
        if (xMajor)
            Plot(a, b);
        else
            Plot(b, a);
    }
}
