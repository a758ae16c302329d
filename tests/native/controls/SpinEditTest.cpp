// The spin edit: reading and clamping its value, the typing filter, the
// buttons' repeat on a virtual clock, and read-only beeps.
#include <gtest/gtest.h>

#include "controls/Spin.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "tests/fakes/RecordingPeers.h"
#include "ui/Locale.h"

namespace {
constexpr uint16_t VkUp = 0x26, VkDown = 0x28;

class SpinEditTest : public ::testing::Test {
protected:
    TFakeWindowSystem Windows;
    TSpinEdit Spin{nullptr, Windows};
    void Bounds(int Min, int Max) {
        Spin.SetMinValue(Min);
        Spin.SetMaxValue(Max);
    }
};
}  // namespace

TEST_F(SpinEditTest, TheTextReadsAsTheValueAndLeavingTheBoxHoldsItWithinTheBounds) {
    EXPECT_EQ(Spin.Text(), "0");
    Bounds(0, 100);
    const std::pair<const char*, int> reads[] = {{"35", 35}, {"+7", 7}, {"-", 0}, {"", 0}, {"12a", 0},
                                                 {"99999999999", 0}, {"150", 150}};
    for (auto [text, value] : reads) {
        Spin.TextFromWindow(text);
        EXPECT_EQ(Spin.Value(), value) << text;
    }
    Spin.FocusFromWindow(true);
    Spin.FocusFromWindow(false);
    EXPECT_EQ(Spin.Text(), "100");
    Spin.UpClick();
    EXPECT_EQ(Spin.Text(), "100");
    Spin.SetValue(-3);
    EXPECT_EQ(Spin.Text(), "0");

    Bounds(0, 0);  // none: any integer stays
    for (int value : {-45, 0, 2147483647}) {
        Spin.SetValue(value);
        EXPECT_EQ(Spin.Value(), value);
    }
    Spin.UpClick();
    EXPECT_EQ(Spin.Value(), 2147483647) << "steps saturate";
    Spin.SetValue(-2147483647 - 1);
    Spin.DownClick();
    EXPECT_EQ(Spin.Value(), -2147483647 - 1);
}

TEST_F(SpinEditTest, OnlyWhatCanMakeANumberCanBeTyped) {
    SetDecimalSeparator(',');
    auto typed = [&](char Key) {
        char key = Key;
        Spin.KeyPress(key);
        return key == Key;
    };
    for (char key : {'0', '9', '+', '-', ',', '\b', '\x01'}) EXPECT_TRUE(typed(key)) << int(key);
    EXPECT_EQ(Windows.Beeps, 0);
    for (char key : {'a', ' ', '.', '\r'}) EXPECT_FALSE(typed(key)) << int(key);
    EXPECT_EQ(Windows.Beeps, 4);
    Spin.SetEditorEnabled(false);
    EXPECT_FALSE(typed('5'));
    EXPECT_FALSE(typed('\b'));
    EXPECT_TRUE(typed('\x03'));
    EXPECT_FALSE(Spin.AllowsCutAndPaste());
    SetDecimalSeparator('.');
}

TEST_F(SpinEditTest, AHeldButtonRepeatsAfter400MsThenEvery100Ms) {
    Bounds(0, 100);
    Spin.SetValue(10);
    TTimerSpeedButton* up = Spin.Button()->UpButton();
    up->MouseDown(mbLeft, 0, 2, 2);
    Windows.Clock.Advance(399);
    EXPECT_EQ(Spin.Value(), 10);
    Windows.Clock.Advance(1);
    EXPECT_EQ(Spin.Value(), 11);
    Windows.Clock.Advance(300);
    EXPECT_EQ(Spin.Value(), 14);
    up->MouseUp(mbLeft, 0, 2, 2);  // the release over it is the ordinary click
    EXPECT_EQ(Spin.Value(), 15);
    Windows.Clock.Advance(1000);
    EXPECT_EQ(Spin.Value(), 15);

    TTimerSpeedButton* down = Spin.Button()->DownButton();
    down->MouseDown(mbLeft, 0, 2, 2);
    down->CaptureLostFromWindow();  // another window took the mouse
    Windows.Clock.Advance(1000);
    down->MouseUp(mbLeft, 0, -5, 2);  // released outside: no click
    EXPECT_EQ(Spin.Value(), 15);
    EXPECT_EQ(Spin.Button()->FocusedButton(), down);
    EXPECT_TRUE(Spin.Focused()) << "a press gives the box the focus";
}

TEST_F(SpinEditTest, ArrowKeysStepAndReadOnlyOnlyBeeps) {
    Spin.SetValue(5);
    uint16_t key = VkUp;
    Spin.KeyDown(key, 0);
    key = VkUp;
    Spin.KeyDown(key, 0);
    key = VkDown;
    Spin.KeyDown(key, 0);
    EXPECT_EQ(Spin.Value(), 6);
    Spin.SetReadOnly(true);
    key = VkUp;
    Spin.KeyDown(key, 0);
    Spin.Button()->UpButton()->Click();
    Spin.DownClick();
    EXPECT_EQ(Spin.Value(), 6);
    EXPECT_EQ(Windows.Beeps, 3);
}

TEST_F(SpinEditTest, EnteringByTheKeyboardSelectsTheTextAndTheButtonsSitInside) {
    TRecordingPeers peers;
    Spin.SetBounds(0, 0, 40, 22);
    Spin.CreatePeers(peers);
    peers.Take(&Spin);
    Spin.FocusFromWindow(true);
    EXPECT_EQ(peers.Take(&Spin), std::vector<TControlChange>{ccSelection});
    Spin.FocusFromWindow(false);
    Spin.PressingFromWindow(true);  // a click brings the focus: the caret goes where it was clicked
    Spin.FocusFromWindow(true);
    EXPECT_TRUE(peers.Take(&Spin).empty());
    EXPECT_EQ(Spin.Button()->BoundsRect(), TRect(40 - 15 - 5, 0, 40 - 5, 22 - 5));
    EXPECT_EQ(Spin.TextRect(), TRect(0, 0, 36 - 15 - 2, 18 + 1));
    EXPECT_EQ(Spin.Button()->UpButton()->Height(), 8);
    EXPECT_EQ(Spin.Button()->DownButton()->BoundsRect(), TRect(0, 7, 15, 17));
    EXPECT_TRUE(Spin.MultiLine());
}
