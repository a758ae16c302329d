// The image button's pictures through its states and its click cycle, and
// the application's tool-tip colour while the mouse is over it.
#include <gtest/gtest.h>

#include "controls/ImageButton.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "ui/Application.h"

namespace {
class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        Button.SetBounds(0, 0, 21, 21);
        const TColor colours[] = {clWhite, clRed, clLime, clAqua, clBlack};
        for (int s = stDefault; s <= stDown; ++s) {
            TBitmap picture(21, 21);
            picture.Canvas().Brush().SetColor(colours[s]);
            picture.Canvas().FillRect(Bounds(0, 0, 21, 21));
            Pictures[s].Assign(picture);
        }
        Button.SetPicture(Pictures[stDefault]);
        for (TPicState s : {stEntered, stDown}) Button.SetStatePicture(s, Pictures[s]);
    }
    // The state, and the picture shown by its colour's initial.
    std::string Shown() const {
        const TColor c = Button.Picture().Canvas().Pixels(5, 5);
        const char* names[] = {"default", "entered", "clicked1", "clicked2", "down"};
        return std::string(names[Button.State()]) + (c == clWhite ? " W" : c == clRed ? " R" : c == clLime ? " L" : c == clAqua ? " A" : " K");
    }
    void Press(int X = 10, int Y = 10) {
        Button.MouseDown(mbLeft, 0, X, Y);
        Button.MouseUp(mbLeft, 0, X, Y);
    }
    TFakeMessageQueue Queue;
    TFakeWindowSystem Windows;
    TApplication App{Queue, Windows};
    TImageButton Button{nullptr, App};
    TBitmap Pictures[5];
};
}  // namespace

TEST_F(ImageButtonTest, WithoutClickPicturesAClickShowsDownThenTheMouseOverPicture) {
    int clicks = 0;
    Button.OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    Button.MouseEnter();
    EXPECT_EQ(Shown(), "entered R");
    Button.MouseDown(mbLeft, 0, 10, 10);
    EXPECT_EQ(Shown(), "down K");
    EXPECT_TRUE(Button.MouseCapture());
    Button.MouseUp(mbLeft, 0, 10, 10);
    EXPECT_EQ(Shown(), "entered R");
    EXPECT_EQ(clicks, 1);
    Button.MouseDown(mbLeft, 0, 10, 10);
    Button.MouseUp(mbLeft, 0, 0, 10);  // on the edge: a click, but not inside
    EXPECT_EQ(Shown(), "default W");
    Button.MouseDown(mbLeft, 0, 10, 10);
    Button.MouseUp(mbLeft, 0, 30, 10);  // released outside: no click
    EXPECT_EQ(clicks, 2);
    Button.MouseLeave();
    EXPECT_EQ(Shown(), "default W");
}

TEST_F(ImageButtonTest, AllFivePicturesCycleThroughTheClicks) {
    Button.SetStatePicture(stClicked1, Pictures[stClicked1]);
    Button.SetStatePicture(stClicked2, Pictures[stClicked2]);
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        Press();
        seen.push_back(Shown());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"clicked1 L", "clicked2 A", "entered R"}));
}

TEST_F(ImageButtonTest, TheToolTipColourIsSavedOnceAndGivenBackOnLeaving) {
    App.SetHintColor(clYellow);
    Button.SetHintColor(clAqua);
    Button.MouseEnter();
    App.SetHintColor(clLime);  // someone else's change while inside
    Button.MouseEnter();       // a second enter saves nothing
    EXPECT_EQ(App.HintColor(), clLime);
    Button.MouseLeave();
    EXPECT_EQ(App.HintColor(), clYellow);
    int changes = 0;
    Button.OnStateChanged = TNotifyEvent([&](TObject*) { ++changes; });
    Button.SetState(stClicked1);  // no picture: nothing shows, the event still comes
    EXPECT_EQ(Shown(), "default W");
    EXPECT_EQ(changes, 1);
}
