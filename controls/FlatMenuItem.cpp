// How a flat menu measures and draws one item of a popup menu.
#include <algorithm>

#include "controls/FlatMenu.h"
#include "controls/MaskedBitmap.h"
#include "core/Rounding.h"
#include "ui/Canvas.h"
#include "ui/Menus.h"

// An item's picture: an image of its menu's image list (with its mask), or
// else its own bitmap, whose transparent colour (by default its bottom-left
// pixel's) is left out.
struct TFlatMenu::TIcon {
    const TImageList* List = nullptr;
    int Index = -1;
    const TBitmap* Bitmap = nullptr;

    bool Empty() const { return !List && (!Bitmap || Bitmap->Empty()); }
    int Width() const { return List ? List->Width() : Bitmap ? Bitmap->Width() : 0; }
    int Height() const { return List ? List->Height() : Bitmap ? Bitmap->Height() : 0; }
    const TBitmap& Picture() const { return List ? List->Image(Index) : *Bitmap; }
    bool Clear(int X, int Y) const {
        if (List) return List->IsTransparent(Index, X, Y);
        const TColor key = Bitmap->Canvas().ColorToRGB(Bitmap->TransparentColor());
        return PixelToColor(Bitmap->ScanLine(Y)[X]) == key;
    }
};

namespace {

using TPixelColour = std::function<TColor(TColor)>;

}  // namespace

TFlatMenu::TIcon TFlatMenu::IconOf(const TMenuItem& Item) const {
    TIcon icon;
    const TPopupMenu* menu = Item.Menu();
    const TImageList* images = menu ? menu->Images() : nullptr;
    if (images && Item.ImageIndex() >= 0 && Item.ImageIndex() < images->Count()) {
        icon.List = images;
        icon.Index = Item.ImageIndex();
    } else if (!Item.Bitmap().Empty()) {
        icon.Bitmap = &Item.Bitmap();
    }
    return icon;
}

// The shortcut's room is reserved by "WWW" between the caption and it; the
// icon column is at least IconWidth wide.
void TFlatMenu::MeasureItem(TMenuItem& Item, TCanvas& Canvas, int& Width, int& Height) {
    Canvas.Font().Assign(FFont);
    std::string text = Item.IsLine() ? std::string() : Item.Caption();
    if (!Item.ShortCutText().empty()) text += "WWW" + Item.ShortCutText();
    int textWidth = Canvas.TextWidth(text);
    if (text.find('&') != std::string::npos) textWidth -= Canvas.TextWidth("&");
    const TIcon icon = IconOf(Item);
    Width = textWidth + std::max(icon.Width(), FIconWidth) + 10;
    if (Item.IsLine()) {
        Height = 4;
        return;
    }
    const int textHeight = Canvas.TextHeight(text);
    Height = std::max(textHeight + static_cast<int>(RoundHalfEven(0.75 * textHeight)), icon.Height() + 4);
}

void TFlatMenu::PaintItem(TMenuItem& Item, TCanvas& Canvas, const TRect& R, bool Selected, const TFlatMenuColors& Colors) {
    const TIcon icon = IconOf(Item);
    const TRect column{R.Left, R.Top, R.Left + FIconWidth, R.Bottom};
    const TRect text{std::max(column.Right, R.Left + icon.Width() + 4), R.Top, R.Right, R.Bottom};
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Brush().SetColor(Colors.Background);
    Canvas.FillRect(R);
    Canvas.Brush().SetColor(Colors.IconColumn);
    Canvas.FillRect(column);
    TColor ink = Canvas.ColorToRGB(FFont.Color());
    if (Selected) ink = Colors.SelectionText;
    if (!Item.Enabled()) ink = Colors.DisabledText;
    if (Selected && Item.Enabled() && FDrawSelect) {
        Canvas.Brush().SetColor(Colors.Selection);
        Canvas.Pen().SetColor(Colors.SelectionBorder);
        Canvas.Rectangle(TRect{R.Left, R.Top + 1, R.Right - (FFlatMenu ? 1 : 0), R.Bottom - 1});
    }
    if (Item.IsLine()) {
        const int y = static_cast<int>(RoundHalfEven((R.Top + R.Bottom) / 2.0));
        Canvas.Pen().SetColor(Colors.Separator);
        Canvas.MoveTo(text.Left + 7, y);
        Canvas.LineTo(text.Right, y);
        return;
    }
    if (Item.Checked()) {
        const TRect mark = icon.Empty() ? Bounds(column.Left + (FIconWidth - 10) / 2, R.Top + (R.Height() - 10) / 2, 10, 10)
                                        : TRect{column.Left + 1, R.Top + 2, column.Right - 3, R.Bottom - 2};
        DrawCheck(Item, Canvas, mark, Selected, Colors, !icon.Empty());
    }
    if (!icon.Empty()) DrawIcon(Item, Canvas, column, icon, Selected, Colors);
    DrawCaption(Item, Canvas, R, text, ink, Colors.ManyColours);
}

// A radio item's mark is round (a box of round corners behind an image), a
// check box's square; without an image a check box holds a tick.
void TFlatMenu::DrawCheck(const TMenuItem& Item, TCanvas& Canvas, const TRect& Mark, bool Selected,
                          const TFlatMenuColors& Colors, bool HasImage) const {
    Canvas.Brush().SetColor(Selected ? Colors.CheckedAreaSelected : Colors.CheckedArea);
    Canvas.Pen().SetColor(Colors.SelectionBorder);
    if (Item.RadioItem()) {
        Canvas.RoundRect(Mark, HasImage ? 6 : Mark.Width(), HasImage ? 6 : Mark.Height());
        return;
    }
    if (HasImage) {
        Canvas.Rectangle(Mark);
        return;
    }
    Canvas.Pen().SetColor(Colors.CheckedBorder);
    Canvas.Rectangle(Mark);
    Canvas.Pen().SetColor(clBlack);
    const int x = Mark.Left, y = Mark.Top;
    const TPoint strokes[][2] = {{{2, 4}, {4, 6}}, {{2, 5}, {4, 7}}, {{4, 5}, {8, 1}}, {{4, 6}, {8, 2}}, {{4, 7}, {8, 3}}};
    for (const auto& stroke : strokes) {
        Canvas.MoveTo(x + stroke[0].X, y + stroke[0].Y);
        Canvas.LineTo(x + stroke[1].X, y + stroke[1].Y);
    }
}

// Faded while not under the mouse, grey while disabled, lifted with a
// shadow under the mouse; as it is on its check box. Fading and shadow need
// more than 15 bits per pixel.
void TFlatMenu::DrawIcon(const TMenuItem& Item, TCanvas& Canvas, const TRect& Column, const TIcon& Icon, bool Selected,
                         const TFlatMenuColors& Colors) const {
    const int w = Icon.Width();
    int x = Column.Left + (w > FIconWidth ? 2 : (FIconWidth - w) / 2), y = Column.Top + 4;
    TPixelColour colour = [](TColor c) { return c; };
    if (!Item.Enabled()) {
        colour = [&Canvas](TColor c) { return Canvas.NearestColor(Grey(c, 90)); };
    } else if (!Item.Checked() && !Selected) {
        if (Colors.ManyColours) colour = [&Canvas](TColor c) { return Canvas.NearestColor(Lighten(c, 30)); };
    } else if (!Item.Checked()) {
        if (Colors.ManyColours) {
            const TColor shadow = Canvas.NearestColor(Darken(Colors.Selection, 50));
            DrawMasked(Canvas, x + 1, y + 1, Icon, [shadow](TColor) { return shadow; });
        }
        --x, --y;
    }
    DrawMasked(Canvas, x, y, Icon, colour);
}

// A blank leads the caption. An enabled default item glows first: the
// caption four times, one pixel off each way, each darker than what lies
// under it there.
void TFlatMenu::DrawCaption(const TMenuItem& Item, TCanvas& Canvas, const TRect& R, const TRect& TextRect,
                            TColor Ink, bool ManyColours) const {
    Canvas.Font().Assign(FFont);
    Canvas.Brush().SetStyle(bsClear);
    TRect r{TextRect.Left + 5, R.Top + (R.Height() - Canvas.TextHeight("W")) / 2, TextRect.Right, R.Bottom};
    const std::string caption = " " + Item.Caption();
    const unsigned format = tfLeft | tfSingleLine;
    if (Item.Default() && Item.Enabled()) {
        struct TGlow {
            int Dx, Dy, Amount;
        };
        for (TGlow glow : {TGlow{-1, 0, 30}, {1, 0, 30}, {0, -1, 40}, {0, 1, 60}}) {
            TColor under = Canvas.Pixels(r.Left + glow.Dx, r.Top + glow.Dy);
            if (under == clInvalid) under = Canvas.ColorToRGB(FColor);
            Canvas.Font().SetColor(Canvas.NearestColor(Darken(under, glow.Amount)));
            Canvas.DrawText(r.Offset(glow.Dx, glow.Dy), caption, format);
        }
    }
    Canvas.Font().SetColor(Ink);
    Canvas.DrawText(r, caption, format);
    if (Item.ShortCutText().empty()) return;
    Canvas.Font().SetColor(ManyColours ? Canvas.NearestColor(Darken(Ink, -40)) : Ink);
    Canvas.DrawText(TRect{r.Left, r.Top, R.Right - 10, R.Bottom}, Item.ShortCutText() + " ",
                    tfRight | tfSingleLine | tfNoPrefix);
}

// Icon's opaque pixels at (X, Y), in the colours that Colour gives them.
void TFlatMenu::DrawMasked(TCanvas& Canvas, int X, int Y, const TIcon& Icon, const std::function<TColor(TColor)>& Colour) {
    const TBitmap& picture = Icon.Picture();
    TBitmap shown;
    MakeMaskedBitmap(
        shown, Icon.Width(), Icon.Height(),
        [&](int x, int y) { return ColorToPixel(Colour(PixelToColor(picture.ScanLine(y)[x]))); },
        [&](int x, int y) { return Icon.Clear(x, y); });
    Canvas.Draw(X, Y, shown);
}
