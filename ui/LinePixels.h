#pragma once
// The pixels of a one-pixel line as GDI chooses them: Bresenham's stepping,
// ties broken by the direction of the line so that a line and its reverse
// are drawn the same wherever GDI does so, and the end point left out.
#include <cstdlib>

#include "ui/Graphics.h"

// Whether a line with these steps moves its minor axis on an exact tie.
bool LineStepsOnTie(int Dx, int Dy);

template <class TPlot>
void ForEachLinePixel(TPoint From, TPoint To, TPlot Plot) {
    const int dx = To.X - From.X, dy = To.Y - From.Y;
    const int adx = std::abs(dx), ady = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx > ady;
    const int major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const int bias = LineStepsOnTie(dx, dy) ? 1 : 0;
    const int majorStep = xMajor ? sx : sy, minorStep = xMajor ? sy : sx;
    TPoint p = From;
    int& majorPos = xMajor ? p.X : p.Y;
    int& minorPos = xMajor ? p.Y : p.X;
    int err = 2 * minor - major;
    for (int i = 0; i < major; ++i) {
        Plot(p.X, p.Y);
        if (err + bias > 0) {
            minorPos += minorStep;
            err += 2 * (minor - major);
        } else {
            err += 2 * minor;
        }
        majorPos += majorStep;
    }
}
