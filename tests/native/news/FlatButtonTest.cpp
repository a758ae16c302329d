// The flat button: a click is a left press released over it, the space bar
// or Enter while it has the focus, and its edge follows the mouse.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Messages.h"
#include "news/FlatButton.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/StdControls.h"

namespace {
class FlatButtonTest : public ::testing::Test {
protected:
    TPanel Strip{nullptr};
    TFlatButton Button{nullptr};
    int Clicks = 0;
    void SetUp() override {
        Button.SetParent(&Strip);
        Button.OnClick = TNotifyEvent([this](TObject*) { ++Clicks; });
    }
    // The button painted on a bitmap: its top-left and bottom-right corners.
    std::pair<TColor, TColor> Corners() {
        TBitmap picture(Button.Width(), Button.Height());
        Button.Paint(picture.Canvas());
        return {picture.Canvas().Pixels(0, 0), picture.Canvas().Pixels(Button.Width() - 1, Button.Height() - 1)};
    }
};
}  // namespace

TEST_F(FlatButtonTest, ALeftPressReleasedOverTheButtonOrAKeyOfTheFocusedButtonClicks) {
    auto key = [this](uint16_t Code) {
        uint16_t down = Code, up = Code;
        Button.KeyDown(down, 0);
        Button.KeyUp(up, 0);
        return Button.DialogKey(Code, 0);
    };
    const struct {
        const char* Name;
        std::function<void()> Act;
        int Clicks;
    } cases[] = {
        {"released inside", [&] { Button.MouseDown(mbLeft, 0, 10, 9); Button.MouseUp(mbLeft, 0, 10, 9); }, 1},
        {"released at the last pixel", [&] { Button.MouseDown(mbLeft, 0, 10, 9); Button.MouseUp(mbLeft, 0, 71, 17); }, 1},
        {"released past the right edge", [&] { Button.MouseDown(mbLeft, 0, 10, 9); Button.MouseUp(mbLeft, 0, 72, 9); }, 0},
        {"released above", [&] { Button.MouseDown(mbLeft, 0, 10, 9); Button.MouseUp(mbLeft, 0, 10, -1); }, 0},
        {"right button", [&] { Button.MouseDown(mbRight, 0, 10, 9); Button.MouseUp(mbRight, 0, 10, 9); }, 0},
        {"released without a press", [&] { Button.MouseUp(mbLeft, 0, 10, 9); }, 0},
        {"space bar", [&] { key(VK_SPACE_KEY); }, 1},
        {"Enter while focused", [&] { Button.SetFocus(); key(VK_RETURN_KEY); }, 1},
        {"Enter elsewhere", [&] { Strip.SetFocus(); key(VK_RETURN_KEY); }, 0},
    };
    for (const auto& c : cases) {
        Clicks = 0;
        c.Act();
        EXPECT_EQ(Clicks, c.Clicks) << c.Name;
        EXPECT_FALSE(Button.Pressed()) << c.Name;
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
    EXPECT_TRUE(Button.Focused()) << "a press brings the focus";
    TBitmap focused(Button.Width(), Button.Height());
    Button.Paint(focused.Canvas());
    EXPECT_NE(focused.Canvas().Pixels(2, 2), face) << "with its focus rectangle";
}
