#include "ui/LinePixels.h"

namespace {

// Octants 1..8 counted from the positive x axis towards positive y (down).
int Octant(int Dx, int Dy) {
    if (Dy > 0) {
        if (Dx > 0) return Dx > Dy ? 1 : 2;
        return -Dx > Dy ? 4 : 3;
    }
    if (Dx < 0) return -Dx > -Dy ? 5 : 6;
    return Dx > -Dy ? 8 : 7;
}

}  // namespace

bool LineStepsOnTie(int Dx, int Dy) {
    constexpr unsigned TieOctants = 0xB4;  // octants 3, 5, 6 and 8
    return (TieOctants >> (Octant(Dx, Dy) - 1)) & 1u;
}
