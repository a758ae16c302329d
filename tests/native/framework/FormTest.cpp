#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {
// A form whose creation handler fails halfway.
class TFailingForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TFailingForm"; }
    int Steps = 0;

protected:
    void FormCreate() override {
        Steps = 1;
        throw std::runtime_error("Failed to get data for 'Recover MB'");
        Steps = 2;
    }
};

class TPlainForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TPlainForm"; }
};
}  // namespace

class FormTest : public ::testing::Test {
protected:
    TFakeMessageQueue Queue;
    TFakeWindowSystem Windows;
    TApplication App{Queue, Windows};
};

TEST_F(FormTest, ExceptionInCreationIsShownAndTheFormLivesOn) {
    auto* form = App.CreateForm<TFailingForm>();
    EXPECT_EQ(form->Steps, 1);
    ASSERT_EQ(Windows.MessageBoxes.size(), 1u);
    EXPECT_EQ(Windows.MessageBoxes[0].Text, "Failed to get data for 'Recover MB'");
    EXPECT_EQ(Windows.MessageBoxes[0].Flags, MB_OK_BUTTON | MB_ICONERROR_STYLE);
    EXPECT_EQ(App.MainForm(), form);
}

TEST_F(FormTest, ClosingTheMainFormEndsTheLoopButNotOtherForms) {
    auto* main = App.CreateForm<TPlainForm>();
    auto* other = App.CreateForm<TPlainForm>();
    other->Show();
    other->Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_EQ(Queue.Pending(), 0u);
    main->Show();
    main->Close();
    App.Run();
    EXPECT_TRUE(App.Terminated());
    EXPECT_FALSE(Queue.RanDry());
}

TEST_F(FormTest, SnappingAppliesOnlyWhenEnabled) {
    auto* form = App.CreateForm<TPlainForm>();
    TRect nearEdge = Bounds(6, 100, 360, 313);
    TRect area{0, 0, 1024, 738};
    EXPECT_EQ(form->PlaceWindow(nearEdge, area), nearEdge);
    form->SetScreenSnap(true);
    EXPECT_EQ(form->PlaceWindow(nearEdge, area), Bounds(0, 100, 360, 313));
}

namespace {
// Reads the application's title while it is destroyed.
class TTitleReadingForm : public TForm {
public:
    TTitleReadingForm(TComponent* AOwner, TApplication& App, std::string& Seen) : TForm(AOwner, App), FSeen(Seen) {}
    ~TTitleReadingForm() override { DoDestroy(); }
    const char* ClassName() const override { return "TTitleReadingForm"; }

protected:
    void FormDestroy() override { FSeen = Application().Title(); }

private:
    std::string& FSeen;
};
}  // namespace

TEST(ApplicationTest, DestroysItsFormsWhileItIsStillWhole) {
    TFakeMessageQueue queue;
    TFakeWindowSystem windows;
    std::string seen;
    {
        TApplication app(queue, windows);
        app.SetTitle("Torvane XP");
        app.CreateForm<TTitleReadingForm>(seen);
    }
    EXPECT_EQ(seen, "Torvane XP");
}
