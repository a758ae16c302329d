#include <gtest/gtest.h>

#include "ui/Layout.h"
#include "ui/StdControls.h"

namespace {
struct TLaidOut : TPanel {
    using TPanel::TPanel;
    TPageControl* Pages = nullptr;
    TTabSheet* First = nullptr;
    TButton* Quit = nullptr;
};

const TLayoutRow Good[] = {
    {LAYOUT_FIELD(TLaidOut, Pages), nullptr, Bounds(0, 25, 360, 288)},
    {LAYOUT_FIELD(TLaidOut, First), "Pages", {}, "Un"},
    {"Frame", Make<TGroupBox>, "First", Bounds(4, 2, 344, 84), "Cadre"},
    {LAYOUT_FIELD(TLaidOut, Quit), "Frame", Bounds(216, 24, 128, 25), "&Quitter", "QUITTER"},
};
}  // namespace

TEST(Layout, BuildsTheRowsInTheirParentsIntoTheFieldsOfTheirNames) {
    TLaidOut form(nullptr);
    BuildLayout(form, Good);
    ASSERT_TRUE(form.Pages && form.First && form.Quit);
    for (TControl* field : {static_cast<TControl*>(form.Pages), static_cast<TControl*>(form.First), static_cast<TControl*>(form.Quit)})
        EXPECT_EQ(form.FindComponent(field->Name()), field) << field->Name();
    EXPECT_EQ(form.Quit->Name(), "Quit");
    EXPECT_EQ(form.Pages->Parent(), &form);
    EXPECT_EQ(form.Pages->Pages(0), form.First);
    EXPECT_EQ(form.Quit->Parent(), form.FindComponent("Frame"));
    EXPECT_EQ(form.Quit->BoundsRect(), Bounds(216, 24, 128, 25));
    EXPECT_EQ(form.Quit->Caption(), "&Quitter");
    EXPECT_EQ(form.Quit->Hint(), "QUITTER");
}

TEST(Layout, RefusesRowsWhoseParentIsUnknownOrOfTheWrongKind) {
    const TLayoutRow orphan[] = {{"Quit", Make<TButton>, "Nowhere", {}}};
    const TLayoutRow strayPage[] = {{"Box", Make<TPanel>, nullptr, {}}, {"Page", Make<TTabSheet>, "Box", {}}};
    for (std::span<const TLayoutRow> rows : {std::span<const TLayoutRow>(orphan), std::span<const TLayoutRow>(strayPage)}) {
        TPanel form(nullptr);
        EXPECT_THROW(BuildLayout(form, rows), std::logic_error) << rows.back().Name;
    }
}
