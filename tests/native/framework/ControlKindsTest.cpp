// The rules that every control kind follows without windows: what a change
// stores, what it tells the peer and which event it raises, whether the
// program or the window (the user) made it.
#include "tests/native/framework/ModelSteps.h"
#include "ui/Edit.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"
#include "ui/TrackBar.h"
#include "ui/TreeView.h"

// What the user set in the window is there already: each kind tells its peer
// of the value only when a handler of the change left another one (a clamp,
// a refusal), and then once.
TEST(FromWindow, TheUsersValueGoesBackToTheWindowOnlyWhenAHandlerChangedIt) {
    struct TCase {
        const char* Name;
        TControlChange Change;
        // Makes the control, sets its handler (amending the value or not),
        // and returns what the user does.
        std::function<std::function<void()>(TComponent& Owner, TControl*& Made, bool Amend)> Make;
    };
    const TCase cases[] = {
        {"edit", ccText, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TEdit(&o);
             made = c;
             c->OnChange = TNotifyEvent([c, amend](TObject*) { if (amend) c->SetText("100"); });
             return [c] { c->TextFromWindow("150"); };
         }},
        {"check box", ccChecked, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TCheckBox(&o);
             made = c;
             c->OnClick = TNotifyEvent([c, amend](TObject*) { if (amend) c->SetChecked(false); });
             return [c] { c->CheckedFromWindow(true); };
         }},
        {"radio button", ccChecked, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TRadioButton(&o);
             made = c;
             c->OnClick = TNotifyEvent([c, amend](TObject*) { if (amend) c->SetChecked(false); });
             return [c] { c->CheckedFromWindow(true); };
         }},
        {"track bar", ccPosition, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TTrackBar(&o);
             made = c;
             c->OnChange = TNotifyEvent([c, amend](TObject*) { if (amend) c->SetPosition(5); });
             return [c] { c->PositionFromWindow(9); };
         }},
        {"track bar, past its range", ccPosition, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TTrackBar(&o);
             made = c;
             return [c, amend] { c->PositionFromWindow(amend ? 11 : 10); };  // 11: held to the maximum
         }},
        {"list view", ccSelection, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TListView(&o);
             made = c;
             c->Add();
             c->Add();
             c->OnChange = TNotifyEvent([c, amend](TObject*) { if (amend) c->SetItemIndex(0); });
             return [c] { c->ItemIndexFromWindow(1); };
         }},
        {"tree view", ccSelection, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TTreeView(&o);
             made = c;
             TTreeNode* node = c->Add(nullptr, "Nouvelles");
             c->OnChange = TNotifyEvent([c, amend](TObject*) { if (amend) c->SetSelected(nullptr); });
             return [c, node] { c->SelectedFromWindow(node); };
         }},
        {"page control", ccActivePage, [](TComponent& o, TControl*& made, bool amend) -> std::function<void()> {
             auto* c = new TPageControl(&o);
             made = c;
             new TTabSheet(&o, c);
             new TTabSheet(&o, c);
             c->OnChange = TNotifyEvent([c, amend](TObject*) { if (amend) c->SetActivePageIndex(0); });
             return [c] { c->ActivePageFromWindow(1); };
         }},
    };
    for (const TCase& c : cases)
        for (bool amend : {false, true}) {
            TComponent owner(nullptr);
            TControl* control = nullptr;
            std::function<void()> user = c.Make(owner, control, amend);
            TRecordingPeers peers;
            control->CreatePeers(peers);
            peers.Changes.clear();
            user();
            const std::vector<TControlChange> expected = amend ? std::vector{c.Change} : std::vector<TControlChange>{};
            EXPECT_EQ(peers.Take(control), expected) << c.Name << (amend ? ", amended" : "");
        }
}

TEST_F(ModelSteps, TrackBarHoldsItsPositionWithinItsRange) {
    TTrackBar bar(nullptr);
    bar.OnChange = Record("change");
    auto state = [&] {
        return std::to_string(bar.Min()) + ".." + std::to_string(bar.Max()) + " @" + std::to_string(bar.Position()) +
               " sel " + std::to_string(bar.SelStart()) + "-" + std::to_string(bar.SelEnd());
    };
    const int32_t large = 2'000'000'000;  // the range is 32-bit
    Run(bar,
        {
            {"program moves", [&] { bar.SetPosition(7); }, "0..10 @7 sel 0-0", {ccPosition}, {"change"}},
            {"same position", [&] { bar.SetPosition(7); }, "0..10 @7 sel 0-0", {}, {}},
            {"past the end: held", [&] { bar.SetPosition(11); }, "0..10 @10 sel 0-0", {ccPosition}, {"change"}},
            {"user drags", [&] { bar.PositionFromWindow(3); }, "0..10 @3 sel 0-0", {}, {"change"}},
            {"range leaves it inside", [&] { bar.SetRange(0, large); }, "0..2000000000 @3 sel 0-0", {ccRange}, {}},
            {"far position", [&] { bar.SetPosition(large - 1); }, "0..2000000000 @1999999999 sel 0-0", {ccPosition}, {"change"}},
            {"range moves it", [&] { bar.SetMax(512); }, "0..512 @512 sel 0-0", {ccRange, ccPosition}, {"change"}},
            {"minimum above: moves it", [&] { bar.SetMin(600); }, "600..600 @600 sel 0-0", {ccRange, ccPosition}, {"change"}},
            {"maximum below the minimum: raised", [&] { bar.SetRange(20, 5); }, "20..20 @20 sel 0-0", {ccRange, ccPosition}, {"change"}},
            {"selection, no event", [&] { bar.SetSelection(0, 20); }, "20..20 @20 sel 0-20", {ccSelection}, {}},
            {"same selection", [&] { bar.SetSelEnd(20); }, "20..20 @20 sel 0-20", {}, {}},
        },
        state);
}

TEST_F(ModelSteps, EditRaisesOnChangeOncePerChangeOfItsText) {
    TEdit edit(nullptr);
    edit.OnChange = Record("change");
    auto state = [&] { return edit.Text() + (edit.ReadOnly() ? " (read-only)" : ""); };
    Run(edit,
        {
            {"program", [&] { edit.SetText("35"); }, "35", {ccText}, {"change"}},
            {"same text", [&] { edit.SetText("35"); }, "35", {}, {}},
            {"user types", [&] { edit.TextFromWindow("350"); }, "350", {}, {"change"}},
            {"window echoes the same", [&] { edit.TextFromWindow("350"); }, "350", {}, {}},
            {"read-only", [&] { edit.SetReadOnly(true); }, "350 (read-only)", {ccReadOnly}, {}},
        },
        state);
}

TEST_F(ModelSteps, ListViewSelectsOnlyRowsItHasAndBatchesItsUpdates) {
    TListView list(nullptr);
    TImageList* images = new TImageList(nullptr);
    list.OnChange = Record("change");
    auto state = [&] {
        std::string s;
        for (int i = 0; i < list.Count(); ++i)
            s += list.Item(i).Caption() + (list.Item(i).SubItems().empty() ? "" : ":" + list.Item(i).SubItems()[0]) + "/" +
                 std::to_string(list.Item(i).ImageIndex()) + " ";
        return s + "@" + std::to_string(list.ItemIndex()) + (list.SmallImages() ? " images" : "");
    };
    auto addRow = [&](const char* code, const char* text, int image) {
        TListItem& item = list.Add();
        item.SetCaption(code);
        item.AddSubItem(text);
        item.SetImageIndex(image);
    };
    Run(list,
        {
            {"columns", [&] { list.AddColumn("", 60); list.AddColumn("", 150); }, "@-1", {ccColumns, ccColumns}, {}},
            {"a row, told at each part", [&] { addRow("CPU", "Level 2 Cache", 5); }, "CPU:Level 2 Cache/5 @-1",
             {ccItems, ccItems, ccItems, ccItems}, {}},
            {"rows in an update: told once", [&] {
                 list.BeginUpdate();
                 addRow("WINC", "Windows Cache", 4);
                 addRow("WINP", "Windows Paging", 4);
                 list.EndUpdate();
             }, "CPU:Level 2 Cache/5 WINC:Windows Cache/4 WINP:Windows Paging/4 @-1", {ccItems}, {}},
            {"user selects", [&] { list.ItemIndexFromWindow(1); }, "CPU:Level 2 Cache/5 WINC:Windows Cache/4 WINP:Windows Paging/4 @1",
             {}, {"change"}},
            {"outside the rows: none", [&] { list.SetItemIndex(3); }, "CPU:Level 2 Cache/5 WINC:Windows Cache/4 WINP:Windows Paging/4 @-1",
             {ccSelection}, {"change"}},
            {"images", [&] { list.SetSmallImages(images); }, "CPU:Level 2 Cache/5 WINC:Windows Cache/4 WINP:Windows Paging/4 @-1 images",
             {ccImages}, {}},
            {"an image added", [&] { images->Add(TBitmap(16, 16)); }, "CPU:Level 2 Cache/5 WINC:Windows Cache/4 WINP:Windows Paging/4 @-1 images",
             {ccImages}, {}},
            {"image list destroyed", [&] { delete images; }, "CPU:Level 2 Cache/5 WINC:Windows Cache/4 WINP:Windows Paging/4 @-1",
             {ccImages}, {}},
            {"select, then clear", [&] { list.SetItemIndex(2); list.Clear(); }, "@-1",
             {ccSelection, ccItems, ccSelection}, {"change", "change"}},
        },
        state);
}

TEST_F(ModelSteps, TreeViewSelectsOnlyItsOwnNodesAndClearingDeselects) {
    TTreeView tree(nullptr), other(nullptr);
    tree.OnChange = Record("change");
    TTreeNode *heading = nullptr, *link = nullptr;
    TTreeNode* stranger = other.Add(nullptr, "ailleurs");
    auto state = [&] {
        std::string s;
        for (int i = 0; i < tree.Count(); ++i) {
            s += tree.Item(i)->Text() + "[";
            for (int j = 0; j < tree.Item(i)->Count(); ++j)
                s += tree.Item(i)->Item(j)->Text() + "#" + std::to_string(tree.Item(i)->Item(j)->Data()) + "L" +
                     std::to_string(tree.Item(i)->Item(j)->Level());
            s += "] ";
        }
        return s + "@" + (tree.Selected() ? tree.Selected()->Text() : "none");
    };
    Run(tree,
        {
            {"nodes in an update: told once", [&] {
                 tree.BeginUpdate();
                 heading = tree.Add(nullptr, "Nouvelle version");
                 link = tree.Add(heading, "Télécharger");
                 link->SetData(3);
                 link->SetImageIndex(3);
                 tree.EndUpdate();
             }, "Nouvelle version[Télécharger#3L1] @none", {ccItems}, {}},
            {"user selects the link", [&] { tree.SelectedFromWindow(link); }, "Nouvelle version[Télécharger#3L1] @Télécharger",
             {}, {"change"}},
            {"program deselects", [&] { tree.SetSelected(nullptr); }, "Nouvelle version[Télécharger#3L1] @none", {ccSelection}, {"change"}},
            {"another tree's node: none", [&] { tree.SetSelected(stranger); }, "Nouvelle version[Télécharger#3L1] @none", {}, {}},
            {"user expands: no notice back", [&] { heading->ExpandedFromWindow(true); }, "Nouvelle version[Télécharger#3L1] @none", {}, {}},
            {"select, then clear", [&] { tree.SetSelected(heading); tree.Clear(); }, "@none",
             {ccSelection, ccItems, ccSelection}, {"change", "change"}},
        },
        state);
    EXPECT_EQ(stranger->Level(), 0);
}
