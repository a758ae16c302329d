// Rules shared by all controls: alignment in the parent, the keyboard focus,
// context menus and references to components that go away.
#include <gtest/gtest.h>

#include "tests/fakes/FakeWindowSystem.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"
#include "ui/TreeView.h"

TEST(ControlRules, AlignedChildrenShareTheParentsClientAreaInOrder) {
    TPanel window(nullptr);
    window.SetBounds(0, 0, 470, 310);
    TPanel strip(&window), list(&window);
    TStatusBar status(&window);  // at the bottom by default
    strip.SetBounds(0, 0, 10, 21);
    strip.SetAlign(alTop);
    list.SetAlign(alClient);
    for (TControl* c : {static_cast<TControl*>(&strip), static_cast<TControl*>(&list), static_cast<TControl*>(&status)})
        c->SetParent(&window);
    EXPECT_EQ(strip.BoundsRect(), Bounds(0, 0, 470, 21));
    EXPECT_EQ(status.BoundsRect(), Bounds(0, 310 - 19, 470, 19));
    EXPECT_EQ(list.BoundsRect(), TRect(0, 21, 470, 291));

    window.BoundsFromWindow(Bounds(5, 5, 600, 400));  // the user resizes the window
    EXPECT_EQ(list.BoundsRect(), TRect(0, 21, 600, 381));
    EXPECT_EQ(status.BoundsRect(), Bounds(0, 381, 600, 19));
    status.SetVisible(false);  // a hidden child leaves its room to the others
    EXPECT_EQ(list.BoundsRect(), TRect(0, 21, 600, 400));
    strip.SetBounds(0, 0, 600, 30);  // a taller strip pushes the list down
    EXPECT_EQ(list.BoundsRect(), TRect(0, 30, 600, 400));
}

TEST(ControlRules, FocusMovesFromControlToControlWithExitBeforeEnter) {
    TPanel window(nullptr);
    TButton a(&window), b(&window);
    TLabel c(&window);
    a.SetParent(&window);
    b.SetParent(&window);
    c.SetParent(&window);
    std::vector<std::string> order;
    for (auto [control, name] : {std::pair<TControl*, std::string>{&a, "a"}, {&b, "b"}}) {
        control->OnEnter = TNotifyEvent([&order, name](TObject*) { order.push_back("enter " + name); });
        control->OnExit = TNotifyEvent([&order, name](TObject*) { order.push_back("exit " + name); });
    }
    a.SetFocus();
    a.SetFocus();
    b.SetFocus();
    EXPECT_EQ(order, (std::vector<std::string>{"enter a", "exit a", "enter b"}));
    EXPECT_EQ(window.ActiveControl(), &b);
    EXPECT_FALSE(a.Focused());
    c.FocusFromWindow(true);  // the system's word: b lost it without saying so yet
    b.FocusFromWindow(false);
    EXPECT_EQ(window.ActiveControl(), &c);
    c.SetParent(nullptr);  // a focused control that leaves takes no focus along
    EXPECT_EQ(window.ActiveControl(), nullptr);
    EXPECT_FALSE(c.Focused());
}

TEST(ControlRules, ContextMenuIsTheControlsOrItsNearestParentsAndItsChoiceIsClicked) {
    TFakeWindowSystem windows;
    TPanel page(nullptr);
    TLabel label(&page), plain(nullptr);
    label.SetParent(&page);
    TPopupMenu menu(&page, windows);
    TMenuItem open(&page), cancel(&page);
    menu.Items().Add(&open);
    menu.Items().Add(&cancel);
    cancel.SetEnabled(false);
    int opened = 0, cancelled = 0;
    open.OnClick = TNotifyEvent([&](TObject*) { ++opened; });
    cancel.OnClick = TNotifyEvent([&](TObject*) { ++cancelled; });
    page.SetPopupMenu(&menu);

    TMenuItem* choice = &open;
    windows.ChooseFromMenu = [&](TPopupMenu& shown, int x, int y) {
        EXPECT_EQ(&shown, &menu);
        EXPECT_EQ(x, 40);
        EXPECT_EQ(y, 50);
        return choice;
    };
    EXPECT_TRUE(label.ContextPopup(40, 50));
    EXPECT_EQ(menu.PopupComponent(), &label);
    choice = &cancel;  // a disabled item that is chosen is not clicked
    EXPECT_TRUE(label.ContextPopup(40, 50));
    choice = nullptr;  // dismissed
    EXPECT_TRUE(page.ContextPopup(40, 50));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(cancelled, 0);
    EXPECT_EQ(windows.Popups, 3);

    menu.SetAutoPopup(false);
    EXPECT_FALSE(label.ContextPopup(40, 50));
    EXPECT_FALSE(plain.ContextPopup(40, 50));
    EXPECT_EQ(windows.Popups, 3);
}

TEST(ControlRules, RadioMenuItemsOfAGroupExcludeEachOther) {
    TComponent owner(nullptr);
    TMenuItem root(&owner), low(&owner), normal(&owner), high(&owner), other(&owner);
    for (TMenuItem* item : {&low, &normal, &high, &other}) {
        item->SetRadioItem(true);
        root.Add(item);
    }
    other.SetGroupIndex(1);
    other.SetChecked(true);
    normal.SetChecked(true);
    high.SetChecked(true);
    EXPECT_EQ(std::vector<bool>({low.Checked(), normal.Checked(), high.Checked(), other.Checked()}),
              std::vector<bool>({false, false, true, true}));
    high.SetRadioItem(false);  // an ordinary item: checks without touching the others
    normal.SetChecked(true);
    EXPECT_TRUE(high.Checked());
    EXPECT_FALSE(low.Checked());
}

TEST(ControlRules, ReferencesToDestroyedComponentsAreCleared) {
    TFakeWindowSystem windows;
    TTreeView tree(nullptr);
    TLabel label(nullptr);
    auto* menu = new TPopupMenu(nullptr, windows);
    auto* images = new TImageList(nullptr);
    label.SetPopupMenu(menu);
    menu->SetPopupComponent(&label);
    tree.SetImages(images);
    delete menu;
    delete images;
    EXPECT_EQ(label.PopupMenu(), nullptr);
    EXPECT_EQ(tree.Images(), nullptr);

    auto* item = new TMenuItem(nullptr);  // items owned elsewhere leave their parent
    TMenuItem root(nullptr);
    root.Add(item);
    delete item;
    EXPECT_EQ(root.Count(), 0);
    {
        TPopupMenu second(nullptr, windows);
        auto* popupFor = new TLabel(nullptr);
        second.SetPopupComponent(popupFor);
        delete popupFor;  // the other way round
        EXPECT_EQ(second.PopupComponent(), nullptr);
    }
}
