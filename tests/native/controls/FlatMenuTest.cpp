// The flat menus: the colour tools, the working colours above and at or
// below 15 bits per pixel, the hooking of the form's menus, the measuring of
// items and the drawing of checked, disabled, selected, default and
// separator items. Expected colours are worked out from the classic scheme:
// button face 0xC0C0C0, highlight 0x800000 (navy), shadow 0x808080.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "controls/FlatMenu.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "tests/fakes/RecordingCanvas.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/SystemColors.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

class TMenuForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TMenuForm"; }
};

class FlatMenuTest : public ::testing::Test {
protected:
    FlatMenuTest() {
        ResetSystemColors();
        Windows.SystemMenuFont.SetName("MS Sans Serif");
        Windows.SystemMenuFont.SetHeight(-11);  // stand-in cells of 5 x 11
        Form = App.CreateForm<TMenuForm>();
        Images = new TImageList(Form);
        TBitmap picture(16, 16), mask(16, 16);
        mask.Canvas().Brush().SetColor(clWhite);
        mask.Canvas().FillRect(Bounds(0, 0, 16, 16));
        mask.Canvas().Brush().SetColor(clBlack);
        mask.Canvas().FillRect(Bounds(6, 6, 4, 4));
        picture.Canvas().Brush().SetColor(clRed);
        picture.Canvas().FillRect(Bounds(0, 0, 16, 16));
        Images->Add(picture, &mask);  // a red 4 x 4 block at (6, 6)
        Menu = new TPopupMenu(Form, Windows);
        Menu->SetImages(Images);
        Quit = Item("&Quitter", 0);
        Quit->SetShortCutText("Ctrl+Q");
        Rate = Item("Haute", -1);
        Rate->SetChecked(true);
        Cancel = Item("&Annuler", 0);
        Cancel->SetEnabled(false);
        Line = Item("-", -1);
        Open = Item("a&Grandir", -1);
        Open->SetDefault(true);
        Flat = new TFlatMenu(Form);
        Flat->SetActive(true);
    }
    TMenuItem* Item(const char* Caption, int Image) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(Caption);
        item->SetImageIndex(Image);
        Menu->Items().Add(item);
        return item;
    }
    // Item drawn, through its handler, in (0, 0)-(120, 20) of a raster that
    // holds Before.
    TBitmap& Drawn(TMenuItem* Item, bool Selected, TColor Before = clWhite) {
        Picture.SetSize(120, 20);
        Picture.Canvas().Brush().SetColor(Before);
        Picture.Canvas().FillRect(Bounds(0, 0, 120, 20));
        Item->DrawItem(Picture.Canvas(), Bounds(0, 0, 120, 20), Selected);
        return Picture;
    }
    TColor At(int X, int Y) const { return Picture.Canvas().Pixels(X, Y); }
    std::vector<std::string> TextOf(TMenuItem* Item, bool Selected) {
        TRecordingCanvas canvas(120, 20);
        Item->DrawItem(canvas, Bounds(0, 0, 120, 20), Selected);
        return canvas.TextCalls();
    }

    TFakeMessageQueue Queue;
    TFakeWindowSystem Windows;
    TApplication App{Queue, Windows};
    TMenuForm* Form;
    TImageList* Images;
    TPopupMenu* Menu;
    TMenuItem *Quit, *Rate, *Cancel, *Line, *Open;
    TFlatMenu* Flat;
    TBitmap Picture;
};

}  // namespace

TEST(FlatMenuColours, LightenDarkenAndGrey) {
    struct TCase {
        const char* Name;
        TColor Result, Expected;
    };
    const TCase cases[] = {
        {"lighten face 86: 192 + 54.18", Lighten(0xC0C0C0, 86), 0xF6F6F6},
        {"lighten navy 68: 0 + 173.4, 128 + 86.36", Lighten(0x800000, 68), 0xD6ADAD},
        {"lighten black 50: 127.5 to even", Lighten(0x000000, 50), 0x808080},
        {"lighten limited to 100", Lighten(0x123456, 150), 0xFFFFFF},
        {"darken 90: green keeps 2 more", Darken(0xC0C0C0, 90), 0x666866},
        {"darken below 0", Darken(0x101010, 30), 0x000000},
        {"darken -40 brightens", Darken(0x102030, -40), 0x384A58},
        {"darken -40 above 255", Darken(0xF0F0F0, -40), 0xFFFFFF},
        {"grey red 90: 90 + 85", Grey(0x0000FF, 90), 0xAFAFAF},
        {"grey at most 240", Grey(0xFFFFFF, 90), 0xF0F0F0},
        {"grey limited to 100", Grey(0x000000, 150), 0x646464},
    };
    for (const TCase& c : cases) EXPECT_EQ(c.Result, c.Expected) << c.Name;
}

// In the order of TFlatMenuColors: background, icon column, selection and
// its border and text, menu bar, disabled text, checked border, separator,
// checked area and under the selection, menu border and shadow.
static std::vector<TColor> Listed(const TFlatMenuColors& c) {
    return {c.Background,    c.IconColumn, c.Selection,   c.SelectionBorder,     c.SelectionText, c.MenuBar,   c.DisabledText,
            c.CheckedBorder, c.Separator,  c.CheckedArea, c.CheckedAreaSelected, c.MenuBorder,    c.MenuShadow};
}

// Above 15 bits: lighten(face, 86) = 192 + 54.18, lighten(face, 16) = 192 +
// 10.08, lighten(highlight, 68) = 173.4 and 128 + 86.36, lighten(shadow, 10)
// = 128 + 12.7, lighten(shadow, 25) = 128 + 31.75, lighten(highlight, 75) =
// 191.25 and 128 + 95.25, lighten(highlight, 50) = 127.5 and 63.5 to even,
// darken(face, 90) and darken(face, 76) with green 2 more.
TEST_F(FlatMenuTest, WorkingColoursFromTheSystemAboveAndAtOrBelowFifteenBits) {
    EXPECT_EQ(Listed(Flat->WorkingColors(Picture.Canvas())),
              (std::vector<TColor>{0xF6F6F6, 0xCACACA, 0xD6ADAD, 0x800000, 0x000000, 0xC0C0C0, 0x8D8D8D, 0x800000, 0xA0A0A0,
                                   0xDFBFBF, 0xC08080, 0x666866, 0x747674}));
    Windows.BitsPerPixel = 15;
    EXPECT_EQ(Listed(Flat->WorkingColors(Picture.Canvas())),
              (std::vector<TColor>{0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0x800000, 0x000000, 0xC0C0C0, 0x808080, 0x800000, 0x808080,
                                   0xFFFFFF, 0xFFFFFF, 0x808080, 0x808080}));
}

TEST_F(FlatMenuTest, FontIsTheSystemMenuFontWithTahomaForMsSansSerif) {
    EXPECT_EQ(Flat->Font().Name(), "Tahoma");
    EXPECT_EQ(Flat->Font().Height(), -11);
    EXPECT_EQ(Flat->Font().Color(), clMenuText);
    Windows.SystemMenuFont.SetName("Verdana");
    Flat->WorkingColors(Picture.Canvas());
    EXPECT_EQ(Flat->Font().Name(), "Verdana") << "read again before every item";
    Windows.MenuFontReadable = false;
    Windows.SystemMenuFont.SetName("Arial");
    Flat->WorkingColors(Picture.Canvas());
    EXPECT_EQ(Flat->Font().Name(), "Verdana") << "a failed read changes nothing";
}

TEST_F(FlatMenuTest, ActiveHooksTheFormsMenusAndTakesBackOnlyItsOwnHandlers) {
    EXPECT_TRUE(Menu->OwnerDraw());
    EXPECT_TRUE(Quit->OnDrawItem.Assigned() && Quit->OnMeasureItem.Assigned());
    int ownDraws = 0;
    Flat->SetActive(false);
    auto* own = Item("Propre", -1);
    own->OnDrawItem = TMenuDrawEvent([&](TObject*, TCanvas&, const TRect&, bool) { ++ownDraws; });
    Flat->SetActive(true);
    TBitmap canvas(10, 10);
    own->DrawItem(canvas.Canvas(), Bounds(0, 0, 10, 10), false);
    EXPECT_EQ(ownDraws, 1) << "an item's own handler stays";
    EXPECT_TRUE(own->OnMeasureItem.Assigned()) << "the missing one is given";
    // An item added while the menus are hooked gets the handlers once a
    // sibling has been drawn.
    auto* later = Item("Plus tard", -1);
    EXPECT_FALSE(later->OnDrawItem.Assigned());
    Quit->DrawItem(canvas.Canvas(), Bounds(0, 0, 10, 10), false);
    EXPECT_TRUE(later->OnDrawItem.Assigned());
    Flat->SetActive(false);
    EXPECT_FALSE(Menu->OwnerDraw());
    EXPECT_FALSE(Quit->OnDrawItem.Assigned() || Quit->OnMeasureItem.Assigned() || later->OnDrawItem.Assigned());
    EXPECT_FALSE(own->OnMeasureItem.Assigned());
    own->DrawItem(canvas.Canvas(), Bounds(0, 0, 10, 10), false);
    EXPECT_EQ(ownDraws, 2) << "and is not taken away";
    Flat->SetActive(true);
    Flat->SetOverrideOwnerDraw(true);
    own->DrawItem(canvas.Canvas(), Bounds(0, 0, 10, 10), false);
    EXPECT_EQ(ownDraws, 2) << "overridden";
}

// Width: the text (caption, "WWW", shortcut; less an "&") + the icon column
// (at least 24) + 10. Height: 11 + round(8.25), at least the icon's 16 + 4.
TEST_F(FlatMenuTest, ItemsAreMeasuredByTextShortcutAndIcon) {
    struct TCase {
        TMenuItem* Item;
        int Width, Height;
    };
    const TCase cases[] = {
        {Quit, (17 - 1) * 5 + 24 + 10, 20},  // "&QuitterWWWCtrl+Q", an icon
        {Rate, 5 * 5 + 24 + 10, 19},
        {Line, 0 + 24 + 10, 4},
    };
    for (const TCase& c : cases) {
        TBitmap canvas(1, 1);
        int w = 0, h = 0;
        c.Item->MeasureItem(canvas.Canvas(), w, h);
        EXPECT_EQ(w, c.Width) << c.Item->Caption();
        EXPECT_EQ(h, c.Height) << c.Item->Caption();
    }
    Flat->SetIconWidth(10);
    TBitmap canvas(1, 1);
    int w = 0, h = 0;
    Quit->MeasureItem(canvas.Canvas(), w, h);
    EXPECT_EQ(w, 80 + 16 + 10) << "an icon wider than the column widens the item";
}

// A 10 x 10 box centred in the icon column, (7, 5)-(17, 15), bordered in the
// checked colour, filled with the checked area, with a black tick.
TEST_F(FlatMenuTest, CheckedItemWithoutImageShowsABoxWithATick) {
    Drawn(Rate, false);
    EXPECT_EQ(At(100, 10), 0xF6F6F6u) << "background";
    EXPECT_EQ(At(2, 2), 0xCACACAu) << "icon column";
    EXPECT_EQ(At(7, 5), 0x800000u) << "box border";
    EXPECT_EQ(At(16, 14), 0x800000u);
    EXPECT_EQ(At(15, 13), 0xDFBFBFu) << "box inside";
    EXPECT_EQ(At(9, 9), clBlack) << "tick";
    EXPECT_EQ(At(14, 7), clBlack);
    Drawn(Rate, true);
    EXPECT_EQ(At(15, 13), 0xC08080u) << "under the selection";
    EXPECT_EQ(At(50, 1), 0x800000u) << "the selection box's border";
    EXPECT_EQ(At(100, 10), 0xD6ADADu) << "the selection box";
    EXPECT_EQ(At(50, 0), 0xF6F6F6u) << "a pixel above it";
}

// An item's own bitmap, its bottom-left colour transparent, on a box in the
// checked area from (1, 2) to (21, 18) of the icon column.
TEST_F(FlatMenuTest, CheckedItemWithItsOwnBitmapShowsItOnABox) {
    TBitmap& own = Rate->Bitmap();
    own.SetSize(16, 16);
    own.Canvas().Brush().SetColor(clLime);
    own.Canvas().FillRect(Bounds(0, 0, 16, 16));
    own.Canvas().Brush().SetColor(0xFF0000);
    own.Canvas().FillRect(Bounds(4, 4, 8, 8));
    Drawn(Rate, false);
    EXPECT_EQ(At(1, 2), 0x800000u) << "the box's border";
    EXPECT_EQ(At(5, 5), 0xDFBFBFu) << "the box through the transparent pixels";
    EXPECT_EQ(At(10, 10), 0xFF0000u) << "a checked icon is not faded";
    EXPECT_EQ(At(22, 10), 0xCACACAu);
}

TEST_F(FlatMenuTest, RadioItemsShowARoundMark) {
    Rate->SetRadioItem(true);
    Drawn(Rate, false);
    EXPECT_EQ(At(7, 5), 0xCACACAu) << "the corner is cut";
    EXPECT_EQ(At(12, 5), 0x800000u) << "top of the circle";
    EXPECT_EQ(At(12, 10), 0xDFBFBFu) << "inside";
}

// grey(red, 90) = 90 + 85; text in the disabled colour; no selection box, and
// a selected disabled item keeps what was there.
TEST_F(FlatMenuTest, DisabledItemWithIconIsGreyWithoutSelection) {
    Drawn(Cancel, false);
    EXPECT_EQ(At(10, 10), 0xAFAFAFu);
    EXPECT_EQ(At(9, 9), 0xCACACAu) << "transparent around the icon";
    EXPECT_THAT(TextOf(Cancel, false), ElementsAre(HasSubstr("\" Annuler\" Tahoma -11 #8D8D8D")));
    Drawn(Cancel, true, 0x123456);
    EXPECT_EQ(At(10, 10), 0x123456u);
    EXPECT_EQ(At(50, 1), 0x123456u);
}

// Not under the mouse: lighten(red, 30) = 255, 76.5 to even 76. Under it:
// lifted to (3, 3) with the shadow at (5, 5) in darken(selection, 50).
TEST_F(FlatMenuTest, IconsFadeAndLiftWithAShadowUnderTheMouse) {
    Drawn(Quit, false);
    EXPECT_EQ(At(10, 10), 0x4C4CFFu);
    EXPECT_EQ(At(13, 13), 0x4C4CFFu);
    EXPECT_EQ(At(14, 14), 0xCACACAu);
    Drawn(Quit, true);
    EXPECT_EQ(At(9, 9), clRed) << "lifted, not faded";
    EXPECT_EQ(At(12, 12), clRed);
    EXPECT_EQ(At(13, 13), 0xA47D7Bu) << "shadow";
    EXPECT_EQ(At(14, 11), 0xA47D7Bu);
    EXPECT_EQ(At(10, 14), 0xD6ADADu) << "the selection around it";
    // At 256 colours: the fixed colours, no fading, no shadow.
    Windows.BitsPerPixel = 8;
    Drawn(Quit, false);
    EXPECT_EQ(At(10, 10), clRed);
    EXPECT_EQ(At(115, 10), clWhite);
    EXPECT_EQ(At(2, 2), 0xC0C0C0u);
    Drawn(Quit, true);
    EXPECT_EQ(At(9, 9), clRed);
    EXPECT_EQ(At(13, 13), clWhite) << "no shadow on the white selection";
}

// The caption after a blank, 5 pixels into the text area (24 + 5), centred
// by the 11 rows of "W"; the shortcut and a blank end 10 pixels from the
// right, in the text colour brightened by 40 (42 for green).
TEST_F(FlatMenuTest, CaptionAndRightAlignedShortcut) {
    EXPECT_THAT(TextOf(Quit, false), ElementsAre(HasSubstr("Text (29,4) \" Quitter\" Tahoma -11 #000000"),
                                                 HasSubstr("Text (75,4) \"Ctrl+Q \" Tahoma -11 #282A28")));
    Windows.BitsPerPixel = 8;
    EXPECT_THAT(TextOf(Quit, false), testing::Contains(HasSubstr("\"Ctrl+Q \" Tahoma -11 #000000")));
}

// Four passes one pixel off, darker than the background by 30, 30, 40 and
// 60 (green 2 less), then the caption.
TEST_F(FlatMenuTest, EnabledDefaultItemGlows) {
    EXPECT_THAT(TextOf(Open, false), ElementsAre(HasSubstr("Text (28,4) \" aGrandir\" Tahoma -11 #D8DAD8"),
                                                 HasSubstr("Text (30,4) \" aGrandir\" Tahoma -11 #D8DAD8"),
                                                 HasSubstr("Text (29,3) \" aGrandir\" Tahoma -11 #CED0CE"),
                                                 HasSubstr("Text (29,5) \" aGrandir\" Tahoma -11 #BABCBA"),
                                                 HasSubstr("Text (29,4) \" aGrandir\" Tahoma -11 #000000")));
    Open->SetEnabled(false);
    EXPECT_EQ(TextOf(Open, false).size(), 1u);
}

TEST_F(FlatMenuTest, SeparatorIsAThinLineFromSevenPixelsIntoTheTextArea) {
    TRecordingCanvas canvas(120, 4);
    Line->DrawItem(canvas, Bounds(0, 0, 120, 4), false);
    EXPECT_THAT(canvas.Calls, testing::Contains("Line (31,2)-(120,2) #A0A0A0"));
    EXPECT_TRUE(canvas.TextCalls().empty());
}
