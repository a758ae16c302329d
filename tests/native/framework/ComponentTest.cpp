#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/PageControl.h"

namespace {
std::vector<std::string> Destroyed;

class TTracked : public TComponent {
public:
    TTracked(TComponent* AOwner, std::string AName) : TComponent(AOwner) { SetName(AName); }
    ~TTracked() override { Destroyed.push_back(Name()); }
    void Loaded() override {
        TComponent::Loaded();
        LoadOrder.push_back(Name());
    }
    static inline std::vector<std::string> LoadOrder;
};
}  // namespace

TEST(Component, OwnerDestroysWhatItOwnsInReverseOrderAndEarlyDeletesLeave) {
    Destroyed.clear();
    {
        TTracked owner(nullptr, "owner");
        new TTracked(&owner, "a");
        auto* b = new TTracked(&owner, "b");
        new TTracked(b, "b1");
        auto* c = new TTracked(&owner, "c");
        EXPECT_EQ(owner.FindComponent("c"), c);
        EXPECT_EQ(owner.FindComponent("b1"), nullptr);  // not owned directly
        delete c;
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.FindComponent("c"), nullptr);
    }
    EXPECT_EQ(Destroyed, (std::vector<std::string>{"c", "owner", "b", "b1", "a"}));
}

TEST(Component, LoadedReachesOwnedComponentsBeforeTheirOwner) {
    TTracked::LoadOrder.clear();
    TTracked owner(nullptr, "owner");
    auto* a = new TTracked(&owner, "a");
    new TTracked(a, "a1");
    owner.LoadedTree();
    EXPECT_EQ(TTracked::LoadOrder, (std::vector<std::string>{"a1", "a", "owner"}));
    EXPECT_TRUE(owner.IsLoaded());
}

TEST(Events, UnassignedEventsAreSkippedAndMethodsGetTheSender) {
    struct TListener {
        TObject* Seen = nullptr;
        int Value = 0;
        void Handler(TObject* Sender, int V) {
            Seen = Sender;
            Value = V;
        }
    } listener;
    TObject sender;
    TEvent<int> unassigned;
    EXPECT_FALSE(unassigned.Assigned());
    unassigned(&sender, 1);  // nothing happens

    TEvent<int> event(&listener, &TListener::Handler);
    EXPECT_TRUE(event.Assigned());
    event(&sender, 42);
    EXPECT_EQ(listener.Seen, &sender);
    EXPECT_EQ(listener.Value, 42);
}

TEST(PageControl, ShowsOnlyTheActivePage) {
    TComponent owner(nullptr);
    auto* pages = new TPageControl(&owner);
    auto* first = new TTabSheet(&owner, pages);
    auto* second = new TTabSheet(&owner, pages);
    EXPECT_EQ(pages->ActivePageIndex(), 0);  // the first page added is shown
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    pages->SetActivePageIndex(1);
    EXPECT_FALSE(first->Visible());
    EXPECT_TRUE(second->Visible());
    EXPECT_EQ(second->PageIndex(), 1);
    pages->SetActivePageIndex(7);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_FALSE(second->Visible());
    pages->SetDisplayRect(TRect{2, 20, 350, 280});
    EXPECT_EQ(first->BoundsRect(), (TRect{2, 20, 350, 280}));
}

TEST(Control, ChildrenLeaveTheirParentWhenEitherGoes) {
    TComponent owner(nullptr);
    auto* panel = new TWinControl(&owner);
    auto* child = new TControl(&owner);
    child->SetParent(panel);
    EXPECT_EQ(panel->ControlCount(), 1);
    delete panel;
    EXPECT_EQ(child->Parent(), nullptr);
    auto* other = new TWinControl(&owner);
    child->SetParent(other);
    delete child;
    EXPECT_EQ(other->ControlCount(), 0);
}
