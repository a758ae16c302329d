// The text icon's picture with the stand-in glyphs (cells as high as the
// font's height and half as wide, a free column after each character), and
// when it is drawn again.
#include "tests/fakes/RecordingTextRenderer.h"
#include "tests/native/tray/TrayFixture.h"
#include "tray/TextTrayIcon.h"

namespace {
class TextTrayIconTest : public TrayFixture {
protected:
    TTextTrayIcon* Icon = new TTextTrayIcon(Form, Windows, Shell);
    // The main window's look: black bold digits on lime in a silver frame.
    void MainWindowLook(int FontHeight = -9) {
        Icon->Font().SetHeight(FontHeight);
        Icon->Font().SetColor(clBlack);
        Icon->Options().SetOffsetX(1);
        Icon->Options().SetOffsetY(1);
        Icon->SetBorder(true);
        Icon->SetBorderColor(clSilver);
        Icon->SetColor(clLime);
    }
    TColor At(int X, int Y) const { return Icon->TextBitmap().Canvas().Pixels(X, Y); }
    // The first column of row Y holding ink (black), or -1.
    int FirstInk(int Y) const {
        for (int x = 0; x < 16; ++x)
            if (At(x, Y) == clBlack) return x;
        return -1;
    }
};
}  // namespace

TEST_F(TextTrayIconTest, ThreeDigitsSitCentredAndShiftedOnAnOpaqueSquareInItsFrame) {
    MainWindowLook();
    Icon->SetText("123");  // 12 x 9: from ((15 - 12) / 2 + 1, (15 - 9) / 2 + 1)
    EXPECT_EQ(FirstInk(4), 2);
    EXPECT_EQ(FirstInk(3), -1);
    EXPECT_EQ(At(2, 12), clBlack);
    EXPECT_NE(At(2, 13), clBlack);
    EXPECT_EQ(At(5, 4), clLime) << "the column left free after a character";
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(At(i, 0), clSilver);
        EXPECT_EQ(At(15, i), clSilver);
    }
    const TIcon& shown = Icon->Icon();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_FALSE(shown.IsTransparent(x, y)) << "opaque at " << x << "," << y;
    EXPECT_EQ(Icon->MaskColor(), clNone);
    Icon->SetBorder(false);
    EXPECT_EQ(At(0, 0), clLime);
}

TEST_F(TextTrayIconTest, WideTextsAndTwoLinesArePlacedByTheTruncatingRule) {
    MainWindowLook(-4);  // cells 2 wide, 4 high
    Icon->SetBorder(false);
    Icon->SetText("12345678901");  // 22 wide: from (15 - 22) / 2 + 1 = -2
    EXPECT_EQ(FirstInk(7), 0);
    EXPECT_NE(At(1, 7), clBlack);
    Icon->SetText("12345678");  // 16 wide: (15 - 16) / 2 is 0, then the offset
    EXPECT_EQ(FirstInk(7), 1);

    TRecordingTextRenderer text;
    Icon->Font().SetHeight(-11);  // lines 11 high: top = (15 - 22) / 2 + 1 = -2
    text.Texts.clear();
    Icon->SetText("12\r34");
    EXPECT_EQ(text.Texts, (std::vector<std::string>{"12 Tahoma", "34 Tahoma"}));
    EXPECT_EQ(At(5, 8), clBlack) << "the first line's last row";
    EXPECT_EQ(At(5, 9), clBlack) << "the second line, 11 rows lower";
    EXPECT_EQ(FirstInk(9), 3) << "(15 - 10) / 2 + 1";
}

TEST_F(TextTrayIconTest, TheFontsColourOrNoColourTurnTheBackground) {
    MainWindowLook();
    Icon->SetColor(clBlack);  // the font's own colour: its inverse, still opaque
    EXPECT_EQ(At(8, 8), clWhite);
    EXPECT_EQ(Icon->MaskColor(), clNone);
    EXPECT_FALSE(Icon->Icon().IsTransparent(8, 8));
    Icon->SetColor(clNone);  // transparent, but for the text and the frame
    EXPECT_EQ(Icon->MaskColor(), clWhite);
    EXPECT_TRUE(Icon->Icon().IsTransparent(14, 14));
    EXPECT_FALSE(Icon->Icon().IsTransparent(0, 0));
    Icon->SetText("1");
    EXPECT_FALSE(Icon->Icon().IsTransparent(6, 4));

    TIcon back;
    TBitmap disc(16, 16);
    disc.Canvas().Brush().SetColor(clRed);
    disc.Canvas().FillRect(Bounds(0, 0, 16, 16));
    back.AssignBitmap(disc, clNone);
    Icon->SetBackgroundIcon(back);  // the background icon under the text and frame
    EXPECT_EQ(Icon->Icon().Picture().Canvas().Pixels(14, 14), clRed);
    EXPECT_FALSE(Icon->Icon().IsTransparent(14, 14));
    EXPECT_EQ(Icon->Icon().Picture().Canvas().Pixels(0, 0), clSilver);
}

TEST_F(TextTrayIconTest, EveryTextSettingRedrawsButAnUnchangedOffsetDoesNot) {
    MainWindowLook();
    Icon->SetIconVisible(true);
    auto modifies = [&] {
        return std::count_if(Shell.Calls.begin(), Shell.Calls.end(), [](auto& c) { return c.Command == NIM_MODIFY_COMMAND; });
    };
    auto before = modifies();
    Icon->Options().SetOffsetX(1);
    EXPECT_EQ(modifies(), before);
    Icon->SetText(Icon->Text());
    EXPECT_EQ(modifies(), before + 1);
    Icon->Options().SetOffsetX(2);
    EXPECT_EQ(modifies(), before + 2);
    EXPECT_TRUE(Shell.Calls.back().HasIcon);
}
