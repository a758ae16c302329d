#include "ui/ScreenSnap.h"

#include <gtest/gtest.h>

TEST(ScreenSnap, WindowsNearAnEdgeMoveOntoItWithoutResizing) {
    const TRect area{0, 0, 1024, 738};  // task bar below 738
    struct {
        TRect In, Out;
    } cases[] = {
        {Bounds(10, 200, 360, 313), Bounds(0, 200, 360, 313)},     // left, at the limit
        {Bounds(11, 200, 360, 313), Bounds(11, 200, 360, 313)},    // just beyond
        {Bounds(-8, -5, 360, 313), Bounds(0, 0, 360, 313)},        // past the top-left corner
        {Bounds(660, 420, 360, 313), Bounds(664, 425, 360, 313)},  // right and bottom edges
        {Bounds(300, 200, 360, 313), Bounds(300, 200, 360, 313)},  // free in the middle
    };
    for (const auto& c : cases) EXPECT_EQ(SnapToEdges(c.In, area, 10), c.Out) << c.In.Left << "," << c.In.Top;
}

TEST(ScreenSnap, WorkAreaThatDoesNotStartAtTheOrigin) {
    const TRect area{0, 30, 1024, 768};  // task bar at the top
    EXPECT_EQ(SnapToEdges(Bounds(100, 35, 360, 313), area, 10), Bounds(100, 30, 360, 313));
}
