// The flat button: a click is a left press released over it, and its edge
// follows the mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "news/FlatButton.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"

namespace {
class FlatButtonTest : public ::testing::Test {
protected:
    TFlatButton Button{nullptr};
    int Clicks = 0;
    void SetUp() override { Button.OnClick = TNotifyEvent([this](TObject*) { ++Clicks; }); }
    // The button painted on a bitmap: its top-left and bottom-right corners.
    std::pair<TColor, TColor> Corners() {
        TBitmap picture(Button.Width(), Button.Height());
        Button.Paint(picture.Canvas());
        return {picture.Canvas().Pixels(0, 0), picture.Canvas().Pixels(Button.Width() - 1, Button.Height() - 1)};
    }
};
}  // namespace

TEST_F(FlatButtonTest, ALeftPressReleasedOverTheButtonClicks) {
    const struct {
        const char* Name;
        TMouseButton Button;
        bool Press;
        int ReleaseX, ReleaseY;
        int Clicks;
    } cases[] = {
        {"released inside", mbLeft, true, 10, 9, 1},
        {"released at the last pixel", mbLeft, true, 71, 17, 1},
        {"released past the right edge", mbLeft, true, 72, 9, 0},
        {"released above", mbLeft, true, 10, -1, 0},
        {"right button", mbRight, true, 10, 9, 0},
        {"released without a press", mbLeft, false, 10, 9, 0},
    };
    for (const auto& c : cases) {
        Clicks = 0;
        if (c.Press) Button.MouseDown(c.Button, 0, 10, 9);
        EXPECT_EQ(Button.MouseCapture(), c.Press && c.Button == mbLeft) << c.Name;
        Button.MouseUp(c.Button, 0, c.ReleaseX, c.ReleaseY);
        EXPECT_EQ(Clicks, c.Clicks) << c.Name;
        EXPECT_FALSE(Button.MouseCapture()) << c.Name;
        EXPECT_FALSE(Button.Down()) << c.Name;
    }
}

TEST_F(FlatButtonTest, FlatUntilTheMouseComesRaisedThenSunkenWhileHeld) {
    TBitmap probe(1, 1);
    const TColor face = probe.Canvas().ColorToRGB(clBtnFace), light = probe.Canvas().ColorToRGB(clBtnHighlight),
                 shadow = probe.Canvas().ColorToRGB(clBtnShadow);
    ASSERT_TRUE(face != light && face != shadow && light != shadow);
    EXPECT_EQ(Corners(), std::make_pair(face, face));
    Button.MouseEnter();
    EXPECT_EQ(Corners(), std::make_pair(light, shadow));
    Button.MouseDown(mbLeft, 0, 5, 5);
    EXPECT_EQ(Corners(), std::make_pair(shadow, light));
    Button.MouseLeave();
    EXPECT_EQ(Corners(), std::make_pair(face, face)) << "held outside: flat again";
}
