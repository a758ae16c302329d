// Every kind of control made and destroyed a thousand times on a real form:
// the GDI objects, the windows and the tool-tip tools in use stay where they
// were. Wine counts no GUI resources (GetGuiResources gives 0), so GDI
// objects are counted by how many more can be made: the handle table's
// free room, which every leaked object takes from.
#include "tests/win32/framework/ObjectCounts.h"
#include "tests/win32/framework/PeerHarness.h"

#include "platform/win32/SharedGdi.h"

#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"
#include "ui/TrackBar.h"
#include "ui/TreeView.h"

namespace {
template <class T>
T* Add(TWinControl* Parent, TRect Bounds, const char* Hint = "") {
    auto* control = new T(Parent);
    control->SetParent(Parent);
    control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    control->SetHint(Hint);
    return control;
}
}  // namespace

TEST_F(PeerHarness, ObjectsInUseStayFlatOverAThousandCyclesOfEveryKind) {
    auto* images = new TImageList(Form);
    TBitmap picture(16, 16);
    images->AddMasked(picture, clWhite);
    Form->SetShowHint(true);
    Form->Show();
    auto cycle = [&] {
        auto* panel = Add<TPanel>(Form, Bounds(0, 0, 400, 300), "panneau");
        Add<TLabel>(panel, Bounds(0, 0, 50, 13), "étiquette")->Font().SetStyle(fsBold);
        Add<TButton>(panel, Bounds(0, 20, 50, 25), "bouton");
        Add<TCheckBox>(panel, Bounds(0, 50, 50, 17))->SetChecked(true);
        Add<TRadioButton>(panel, Bounds(0, 70, 50, 17))->SetChecked(true);
        Add<TGroupBox>(panel, Bounds(60, 0, 50, 50));
        auto* pages = Add<TPageControl>(panel, Bounds(120, 0, 100, 80));
        new TTabSheet(panel, pages);
        new TTabSheet(panel, pages);
        Add<TTrackBar>(panel, Bounds(0, 90, 100, 30), "piste")->SetPosition(3);
        Add<TEdit>(panel, Bounds(0, 130, 50, 21))->SetText("45");
        auto* list = Add<TListView>(panel, Bounds(230, 0, 100, 80));
        list->AddColumn("", 60);
        list->SetSmallImages(images);
        list->Add().SetImageIndex(0);
        auto* tree = Add<TTreeView>(panel, Bounds(230, 90, 100, 80));
        tree->SetImages(images);
        tree->Add(tree->Add(nullptr, "titre"), "lien")->SetImageIndex(0);
        auto* image = Add<TImage>(panel, Bounds(0, 160, 16, 16));
        image->Picture().SetSize(16, 16);
        Add<TStatusBar>(panel, {})->SetSimpleText("état");
        panel->CreatePeers(*Windows.PeerFactory());
        UpdateWindow(static_cast<HWND>(panel->Handle()));  // paint every kind once
        delete panel;
    };
    for (int i = 0; i < 3; ++i) cycle();
    const int gdi = FreeGdiHandles(), windows = ThreadWindows(), tools = HintTools(Form->Handle());
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(FreeGdiHandles(), gdi);
    EXPECT_EQ(ThreadWindows(), windows);
    EXPECT_EQ(HintTools(Form->Handle()), tools);
}

// Controls of equal fonts share one font, and a font that nobody uses any
// more goes: bold is made for one label, and goes when it is normal again.
TEST_F(PeerHarness, ControlsOfEqualFontsShareOneFont) {
    Form->Show();
    const size_t fonts = TSharedFont::Count();
    auto* panel = Add<TPanel>(Form, Bounds(0, 0, 400, 300));
    TLabel* labels[3];
    for (int i = 0; i < 3; ++i) labels[i] = Add<TLabel>(panel, Bounds(0, 20 * i, 80, 13));
    labels[2]->Font().SetStyle(fsBold);
    panel->CreatePeers(*Windows.PeerFactory());
    auto font = [](TControl* Control) { return SendMessageA(static_cast<HWND>(Control->Handle()), WM_GETFONT, 0, 0); };
    EXPECT_EQ(font(labels[0]), font(labels[1]));
    EXPECT_NE(font(labels[2]), font(labels[0]));
    EXPECT_EQ(TSharedFont::Count(), fonts + 1);
    labels[2]->Font().SetStyle(0);
    EXPECT_EQ(font(labels[2]), font(labels[0]));
    EXPECT_EQ(TSharedFont::Count(), fonts);
    delete panel;
    EXPECT_EQ(TSharedFont::Count(), fonts);
}
