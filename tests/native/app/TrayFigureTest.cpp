// The tray's figure at the edges of its units, halves going to the even
// neighbour, in the user's decimal separator.
#include <gtest/gtest.h>

#include "app/TrayFigure.h"

TEST(TrayFigureTest, EachUnitFromItsThresholdWithHalvesToEven) {
    const struct {
        int64_t Megabytes;
        char Separator;
        const char* Figure;
    } cases[] = {
        {999, ',', "999"},         {1'000, '.', "1.0"},
        {1'280, ',', "1,2"},       // 1.25 GB
        {1'792, ',', "1,8"},       // 1.75 GB
        {10'752, ',', "10"},       // 10.5 GB
        {11'776, ',', "12"},       // 11.5 GB
        {1'023'487, ',', "999"},   // 999.4990 GB
        {1'023'488, ',', "1T"},    // 999.5 GB would round to 1000
        {2'621'440, ',', "2T"},    // 2.5 TB
        {3'670'016, ',', "4T"},    // 3.5 TB
    };
    for (const auto& c : cases) EXPECT_EQ(TrayFigure(c.Megabytes, c.Separator), c.Figure) << c.Megabytes;
}
