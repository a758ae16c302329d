#pragma once
// Makes every popup menu of its form draw itself flat: a light background, a
// darker icon column at the left, a light selection box with a border,
// icons that fade when not under the mouse and lift with a shadow when they
// are, check and radio marks, a glowing default item, right-aligned
// shortcuts and thin separators, in colours derived from the system's. The
// menus stay the system's popup menus: their items are owner-drawn, and
// their texts can still be read from outside.
#include <functional>
#include <string>

#include "controls/FlatMenuColors.h"
#include "core/Component.h"
#include "ui/Font.h"

class TCanvas;
class TForm;
class TMenuItem;
class TWindowSystem;

class TFlatMenu : public TComponent {
public:
    // The menus are the form's components.
    explicit TFlatMenu(TForm* AOwner);
    ~TFlatMenu() override;

    // The items' font: the system's menu font at first, in clMenuText.
    TFont& Font() { return FFont; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor IconBackColor() const { return FIconBackColor; }
    void SetIconBackColor(TColor Value) { FIconBackColor = Value; }
    // Kept for a form's menu bar; the program's forms have none.
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor Value) { FMenuBarColor = Value; }
    TColor SelectColor() const { return FSelectColor; }
    void SetSelectColor(TColor Value) { FSelectColor = Value; }
    TColor SelectBorderColor() const { return FSelectBorderColor; }
    void SetSelectBorderColor(TColor Value) { FSelectBorderColor = Value; }
    TColor SelectFontColor() const { return FSelectFontColor; }
    void SetSelectFontColor(TColor Value) { FSelectFontColor = Value; }
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor Value) { FDisabledColor = Value; }
    TColor SeparatorColor() const { return FSeparatorColor; }
    void SetSeparatorColor(TColor Value) { FSeparatorColor = Value; }
    TColor CheckedColor() const { return FCheckedColor; }
    void SetCheckedColor(TColor Value) { FCheckedColor = Value; }
    int IconWidth() const { return FIconWidth; }
    void SetIconWidth(int Value) { FIconWidth = Value; }
    bool DrawSelect() const { return FDrawSelect; }
    void SetDrawSelect(bool Value) { FDrawSelect = Value; }
    // The colours from the system's instead of the properties, and the font
    // read again before every item is drawn.
    bool UseSystemColors() const { return FUseSystemColors; }
    void SetUseSystemColors(bool Value) { FUseSystemColors = Value; }
    // Items whose handlers draw them already get this component's instead.
    bool OverrideOwnerDraw() const { return FOverrideOwnerDraw; }
    void SetOverrideOwnerDraw(bool Value);
    // Kept for the designer's sake: the icon column is plain, and popup
    // windows keep the system's border.
    bool Gradient() const { return FGradient; }
    void SetGradient(bool Value) { FGradient = Value; }
    // The selection box stops one pixel short of the right edge.
    bool FlatMenu() const { return FFlatMenu; }
    void SetFlatMenu(bool Value) { FFlatMenu = Value; }
    // Kept for the designer's sake: items added later are drawn flat from
    // their menu's next showing on anyway (see DrawItem).
    bool AutoDetect() const { return FAutoDetect; }
    void SetAutoDetect(bool Value) { FAutoDetect = Value; }
    // On: the form's popup menus are owner-drawn and their items get this
    // component's handlers (an item that has its own keeps them unless
    // OverrideOwnerDraw). Off: the menus are drawn by the system again, and
    // exactly this component's handlers are taken away.
    bool Active() const { return FActive; }
    void SetActive(bool Value);

    // The colours for drawing on Canvas now; with UseSystemColors the font
    // is read from the system first.
    TFlatMenuColors WorkingColors(const TCanvas& Canvas);
    // The handlers the items get.
    void MeasureItem(TMenuItem& Item, TCanvas& Canvas, int& Width, int& Height);
    // Draws the item, then hooks its siblings and their sub-items, so that
    // items added while the program runs are drawn the same way.
    void DrawItem(TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, bool Selected);

private:
    struct TIcon;
    void HookMenus();
    void UnhookMenus();
    void Hook(TMenuItem& Parent);
    void LoadSystemFont();
    TIcon IconOf(const TMenuItem& Item) const;
    void PaintItem(TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, bool Selected, const TFlatMenuColors& Colors);
    void DrawCheck(const TMenuItem& Item, TCanvas& Canvas, const TRect& Mark, bool Selected, const TFlatMenuColors& Colors,
                   bool HasImage) const;
    void DrawIcon(const TMenuItem& Item, TCanvas& Canvas, const TRect& Column, const TIcon& Icon, bool Selected,
                  const TFlatMenuColors& Colors) const;
    void DrawCaption(const TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, const TRect& TextRect, TColor Ink,
                     bool ManyColours) const;
    static void DrawMasked(TCanvas& Canvas, int X, int Y, const TIcon& Icon, const std::function<TColor(TColor)>& Colour);

    TWindowSystem& FWindows;
    TFont FFont;
    TColor FColor = clBtnFace;
    TColor FIconBackColor = clBtnFace;
    TColor FMenuBarColor = clBtnFace;
    TColor FSelectColor = clHighlight;
    TColor FSelectBorderColor = clHighlight;
    TColor FSelectFontColor = clMenuText;
    TColor FDisabledColor = clInactiveCaption;
    TColor FSeparatorColor = clBtnFace;
    TColor FCheckedColor = clHighlight;
    int FIconWidth = 24;
    bool FDrawSelect = true;
    bool FUseSystemColors = true;
    bool FOverrideOwnerDraw = false;
    bool FGradient = false;
    bool FFlatMenu = false;
    bool FAutoDetect = false;
    bool FActive = false;
};
