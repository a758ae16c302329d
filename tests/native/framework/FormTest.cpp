#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Messages.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"

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

// The keys that move the focus, as a keyboard user presses them on a window
// with pages: where the focus lands, which radio button is checked and which
// page shows after each.
TEST_F(FormTest, TabArrowsAndCtrlTabMoveTheFocusThroughThePageInLayoutOrder) {
    auto* form = App.CreateForm<TPlainForm>();
    auto make = [form](TControl* Control, TWinControl* Parent, const char* Name) {
        Control->SetName(Name);
        Control->SetParent(Parent);
        return Control;
    };
    auto* pages = static_cast<TPageControl*>(make(new TPageControl(form), form, "pages"));
    auto* first = new TTabSheet(form, pages);
    auto* second = new TTabSheet(form, pages);
    auto* group = static_cast<TGroupBox*>(make(new TGroupBox(form), first, "group"));
    TRadioButton* radios[3];
    const char* names[] = {"systeme", "manuel", "tout"};
    for (int i = 0; i < 3; ++i) radios[i] = static_cast<TRadioButton*>(make(new TRadioButton(form), group, names[i]));
    radios[1]->SetChecked(true);
    make(new TEdit(form), first, "edit");
    make(new TLabel(form), first, "label");
    make(new TButton(form), first, "off")->SetEnabled(false);
    make(new TCheckBox(form), first, "check");
    make(new TButton(form), second, "next");
    form->Show();
    form->SetFocus();  // the window itself, before any of its controls

    auto state = [&] {
        const TControl* focused = form->ActiveControl();
        std::string checked;
        for (TRadioButton* r : radios)
            if (r->Checked()) checked = r->Name();
        return (focused ? focused->Name() : "none") + " " + checked + " page " + std::to_string(pages->ActivePageIndex());
    };
    const struct {
        uint16_t Key;
        int Shift;
        const char* State;
    } steps[] = {
        {VK_TAB_KEY, ssCtrl, "pages manuel page 1"},
        {VK_TAB_KEY, ssCtrl | ssShift, "pages manuel page 0"},
        {VK_TAB_KEY, 0, "manuel manuel page 0"},  // the group's checked button
        {VK_DOWN_KEY, 0, "tout tout page 0"},
        {VK_RIGHT_KEY, 0, "systeme systeme page 0"},  // round the group
        {VK_UP_KEY, 0, "tout tout page 0"},
        {VK_TAB_KEY, 0, "edit tout page 0"},
        {VK_TAB_KEY, 0, "check tout page 0"},  // past the label and the disabled button
        {VK_TAB_KEY, 0, "pages tout page 0"},  // round, past the hidden page's button
        {VK_TAB_KEY, ssShift, "check tout page 0"},
        {VK_TAB_KEY, ssShift, "edit tout page 0"},
        {VK_TAB_KEY, ssShift, "tout tout page 0"},
        {VK_DOWN_KEY, ssCtrl, "tout tout page 0"},  // arrows with Ctrl are not the group's
        {VK_TAB_KEY, ssCtrl, "pages tout page 1"},  // the focus leaves the hidden page for the tabs
        {VK_TAB_KEY, 0, "next tout page 1"},
        {VK_TAB_KEY, ssCtrl | ssShift, "pages tout page 0"},
        {VK_TAB_KEY, ssCtrl | ssShift, "pages tout page 1"},  // round the pages
    };
    for (const auto& step : steps) {
        form->DialogKey(step.Key, step.Shift);
        EXPECT_EQ(state(), step.State) << "after key " << step.Key << " with " << step.Shift;
    }
}
