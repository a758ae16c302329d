#include <gtest/gtest.h>

#include "ui/Layout.h"
#include "ui/StdControls.h"

namespace {
const TLayoutRow Good[] = {
    {"Pages", Make<TPageControl>, nullptr, Bounds(0, 25, 360, 288)},
    {"First", Make<TTabSheet>, "Pages", {}, "Un"},
    {"Quit", Make<TButton>, "First", Bounds(216, 224, 128, 25), "&Quitter", "QUITTER"},
};
}  // namespace

TEST(Layout, BuildsTheRowsInTheirParentsAndBindsThemByName) {
    TPanel form(nullptr);
    BuildLayout(form, Good);
    TPageControl* pages;
    TTabSheet* first;
    TButton* quit;
    Bind(form, pages, "Pages");
    Bind(form, first, "First");
    Bind(form, quit, "Quit");
    EXPECT_EQ(pages->Parent(), &form);
    EXPECT_EQ(pages->Pages(0), first);
    EXPECT_EQ(quit->Parent(), first);
    EXPECT_EQ(quit->BoundsRect(), Bounds(216, 224, 128, 25));
    EXPECT_EQ(quit->Caption(), "&Quitter");
    EXPECT_EQ(quit->Hint(), "QUITTER");
    TLabel* wrongKind;
    EXPECT_THROW(Bind(form, wrongKind, "Quit"), std::logic_error);
}

TEST(Layout, RefusesRowsWhoseParentIsUnknownOrOfTheWrongKind) {
    const TLayoutRow orphan[] = {{"Quit", Make<TButton>, "Nowhere", {}}};
    const TLayoutRow strayPage[] = {{"Box", Make<TPanel>, nullptr, {}}, {"Page", Make<TTabSheet>, "Box", {}}};
    for (std::span<const TLayoutRow> rows : {std::span<const TLayoutRow>(orphan), std::span<const TLayoutRow>(strayPage)}) {
        TPanel form(nullptr);
        EXPECT_THROW(BuildLayout(form, rows), std::logic_error) << rows.back().Name;
    }
}
