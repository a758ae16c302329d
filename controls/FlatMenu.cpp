#include "controls/FlatMenu.h"

#include "platform/WindowSystem.h"
#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/Menus.h"

namespace {

// The handlers this component gives the items, known again by their type.
struct TFlatMenuHandler {
    TFlatMenu* Menu;
    void operator()(TObject* Sender, TCanvas& Canvas, int& Width, int& Height) const {
        if (auto* item = dynamic_cast<TMenuItem*>(Sender)) Menu->MeasureItem(*item, Canvas, Width, Height);
    }
    void operator()(TObject* Sender, TCanvas& Canvas, const TRect& Rect, bool Selected) const {
        if (auto* item = dynamic_cast<TMenuItem*>(Sender)) Menu->DrawItem(*item, Canvas, Rect, Selected);
    }
};

template <class TEventType>
bool IsOwnHandler(const TEventType& Event, const TFlatMenu* Menu) {
    const TFlatMenuHandler* handler = Event.template Target<TFlatMenuHandler>();
    return handler && handler->Menu == Menu;
}

// Gives Event the handler unless it has this component's already, or
// another that it keeps.
template <class TEventType>
void Give(TEventType& Event, TFlatMenu* Menu, bool Override) {
    if (IsOwnHandler(Event, Menu) || (Event.Assigned() && !Override)) return;
    Event = TEventType(typename TEventType::TFunction(TFlatMenuHandler{Menu}));
}

void TakeBack(TMenuItem& Item, const TFlatMenu* Menu) {
    if (IsOwnHandler(Item.OnMeasureItem, Menu)) Item.OnMeasureItem = TMenuMeasureEvent();
    if (IsOwnHandler(Item.OnDrawItem, Menu)) Item.OnDrawItem = TMenuDrawEvent();
    for (int i = 0; i < Item.Count(); ++i) TakeBack(*Item.Items(i), Menu);
}

}  // namespace

TFlatMenu::TFlatMenu(TForm* AOwner) : TComponent(AOwner), FWindows(AOwner->Application().Windows()) {
    LoadSystemFont();
    FSelectFontColor = FFont.Color();
}

TFlatMenu::~TFlatMenu() { SetActive(false); }

// The font of the system's menus, in their text colour; the old "MS Sans
// Serif" bitmap font gives way to Tahoma.
void TFlatMenu::LoadSystemFont() {
    TFont font;
    font.Assign(FFont);
    if (!FWindows.MenuFont(font)) return;
    font.SetColor(clMenuText);
    if (font.Name() == "MS Sans Serif") font.SetName("Tahoma");
    FFont.Assign(font);
}

void TFlatMenu::SetActive(bool Value) {
    if (Value == FActive) return;
    FActive = Value;
    if (Value) HookMenus();
    else UnhookMenus();
}

void TFlatMenu::SetOverrideOwnerDraw(bool Value) {
    if (Value == FOverrideOwnerDraw) return;
    FOverrideOwnerDraw = Value;
    if (FActive) HookMenus();
}

void TFlatMenu::HookMenus() {
    for (int i = 0; i < Owner()->ComponentCount(); ++i) {
        if (auto* menu = dynamic_cast<TPopupMenu*>(Owner()->Components(i))) {
            menu->SetOwnerDraw(true);
            Hook(menu->Items());
        }
    }
}

// Items that left their menus keep no handler of a component that may go.
void TFlatMenu::UnhookMenus() {
    for (int i = 0; i < Owner()->ComponentCount(); ++i) {
        TComponent* component = Owner()->Components(i);
        if (auto* menu = dynamic_cast<TPopupMenu*>(component)) {
            menu->SetOwnerDraw(false);
            TakeBack(menu->Items(), this);
        } else if (auto* item = dynamic_cast<TMenuItem*>(component)) {
            TakeBack(*item, this);
        }
    }
}

void TFlatMenu::Hook(TMenuItem& Parent) {
    for (int i = 0; i < Parent.Count(); ++i) {
        TMenuItem& item = *Parent.Items(i);
        Give(item.OnMeasureItem, this, FOverrideOwnerDraw);
        Give(item.OnDrawItem, this, FOverrideOwnerDraw);
        Hook(item);
    }
}

void TFlatMenu::DrawItem(TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, bool Selected) {
    const TFlatMenuColors colors = WorkingColors(Canvas);
    // A disabled item under the selection keeps the look it has.
    if (Item.Enabled() || !Selected) PaintItem(Item, Canvas, Rect, Selected, colors);
    if (TMenuItem* parent = Item.Parent()) Hook(*parent);
}

TFlatMenuColors TFlatMenu::WorkingColors(const TCanvas& Canvas) {
    auto rgb = [&](TColor c) { return Canvas.ColorToRGB(c); };
    auto lighten = [&](TColor c, int p) { return Canvas.NearestColor(Lighten(rgb(c), p)); };
    auto darken = [&](TColor c, int d) { return Canvas.NearestColor(Darken(rgb(c), d)); };
    const bool many = FWindows.ScreenBitsPerPixel() > 15;
    TFlatMenuColors c{};
    c.ManyColours = many;
    c.Background = rgb(FColor);
    c.IconColumn = rgb(FIconBackColor);
    c.Selection = rgb(FSelectColor);
    c.SelectionBorder = rgb(FSelectBorderColor);
    c.SelectionText = rgb(FSelectFontColor);
    c.MenuBar = rgb(FMenuBarColor);
    c.DisabledText = rgb(FDisabledColor);
    c.CheckedBorder = rgb(FCheckedColor);
    c.Separator = rgb(FSeparatorColor);
    c.CheckedArea = many ? lighten(FSelectColor, 75) : clWhite;
    c.CheckedAreaSelected = many ? lighten(FSelectColor, 50) : clSilver;
    c.MenuBorder = many ? darken(clBtnFace, 90) : rgb(clBtnShadow);
    c.MenuShadow = many ? darken(clBtnFace, 76) : rgb(clBtnShadow);
    if (!FUseSystemColors) return c;
    LoadSystemFont();
    c.SelectionBorder = c.CheckedBorder = rgb(clHighlight);
    if (many) {
        c.Background = lighten(clBtnFace, 86);
        c.IconColumn = lighten(clBtnFace, 16);
        c.Selection = lighten(clHighlight, 68);
        c.MenuBar = rgb(clMenu);
        c.DisabledText = lighten(clBtnShadow, 10);
        c.Separator = lighten(clBtnShadow, 25);
        c.CheckedArea = lighten(clHighlight, 75);
        c.CheckedAreaSelected = lighten(clHighlight, 50);
        c.SelectionText = rgb(FFont.Color());
    } else {
        c.Background = c.Selection = c.CheckedArea = c.CheckedAreaSelected = clWhite;
        c.IconColumn = c.MenuBar = rgb(clBtnFace);
        c.DisabledText = c.Separator = rgb(clBtnShadow);
    }
    return c;
}
