// Flat menus on the system's popup menus: the items are owner-drawn and
// keep their texts for GetMenuStringA; what the open menu shows, selected
// item included, is the software raster's drawing of the same items; and a
// hundred openings leave no GDI object behind.
#include "tests/win32/framework/PeerHarness.h"

#include "controls/FlatMenu.h"
#include "platform/win32/GdiTextRenderer.h"
#include "tests/win32/controls/ScreenPixels.h"
#include "tests/win32/framework/ObjectCounts.h"
#include "ui/Menus.h"

namespace {

constexpr UINT MN_GETHMENU_MESSAGE = 0x01E1;

class FlatMenuWin32 : public PeerHarness {
protected:
    void SetUp() override {
        PeerHarness::SetUp();
        PrepareDrawing();
        auto* images = new TImageList(Form);
        TBitmap picture(16, 16), mask(16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                picture.ScanLine(y)[x] = 0x2040A0 + x * 0x0B00 + y * 0x0D;
                mask.ScanLine(y)[x] = (x - 8) * (x - 8) + (y - 8) * (y - 8) < 36 ? 0 : 0xFFFFFF;  // a disc
            }
        images->Add(picture, &mask);
        Menu = new TPopupMenu(Form, Windows);
        Menu->SetImages(images);
        Item("a&Grandir", 0)->SetDefault(true);
        Item("&Optimiser RAM", 0)->SetShortCutText("Ctrl+O");
        Item("&Annuler", 0)->SetEnabled(false);
        Item("-", -1);
        Item("Haute", -1)->SetChecked(true);
        TMenuItem* normal = Item("Normale", -1);
        normal->SetRadioItem(true);
        normal->SetChecked(true);
        Item("&Quitter", -1)->OnClick = Record("quit");
        Flat = new TFlatMenu(Form);
        Flat->SetActive(true);
        Form->Show();
    }
    TMenuItem* Item(const char* Caption, int Image) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(Caption);
        item->SetImageIndex(Image);
        Menu->Items().Add(item);
        return item;
    }
    static HWND Shown() { return FindWindowA("#32768", nullptr); }
    static HMENU ShownMenu() { return reinterpret_cast<HMENU>(SendMessageA(Shown(), MN_GETHMENU_MESSAGE, 0, 0)); }
    static void Press(WPARAM Key) { PostMessageA(Shown(), WM_KEYDOWN, Key, 0); }
    // Item Index as the open menu shows it, against the raster's drawing.
    std::string ItemAgainstRaster(int Index, bool Selected) {
        RECT r{};
        GetMenuItemRect(nullptr, ShownMenu(), Index, &r);
        MapWindowPoints(nullptr, Shown(), reinterpret_cast<POINT*>(&r), 2);
        const TRect area{r.left, r.top, r.right, r.bottom};
        TBitmap shown, drawn(area.Width(), area.Height());
        CaptureClient(Shown(), area, shown);
        Menu->Items().Items(Index)->DrawItem(drawn.Canvas(), Bounds(0, 0, area.Width(), area.Height()), Selected);
        return Differences(shown, drawn);
    }

    TPopupMenu* Menu = nullptr;
    TFlatMenu* Flat = nullptr;
};

}  // namespace

TEST_F(FlatMenuWin32, ItemsAreOwnerDrawnAndKeepTheirTextsAndTheKeysWork) {
    std::vector<std::string> texts;
    bool ownerDrawn = true;
    WhileModal([&] {
        HMENU menu = ShownMenu();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            texts.push_back(text);
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            GetMenuItemInfoA(menu, i, TRUE, &info);
            ownerDrawn = ownerDrawn && (info.fType & MFT_OWNERDRAW);
        }
        Press(VK_UP);  // the last item
        Press(VK_RETURN);
    });
    Menu->Popup(100, 100);
    EXPECT_EQ(texts, (std::vector<std::string>{"a&Grandir", "&Optimiser RAM\tCtrl+O", "&Annuler", "", "Haute", "Normale",
                                               "&Quitter"}));
    EXPECT_TRUE(ownerDrawn);
    EXPECT_EQ(Events, std::vector<std::string>{"quit"}) << "chosen with the keys";
    WhileModal([] { Press('Q'); });
    Menu->Popup(100, 100);
    EXPECT_EQ(Events, (std::vector<std::string>{"quit", "quit"})) << "chosen by its accelerator letter";
}

TEST_F(FlatMenuWin32, TheOpenMenuShowsTheRastersDrawingOfEachItemSelectedOrNot) {
    std::vector<std::string> unselected, selected;
    WhileModal([&] {
        for (int i = 0; i < Menu->Items().Count(); ++i) unselected.push_back(ItemAgainstRaster(i, false));
        Press(VK_DOWN);  // the first item, with an icon: lifted, with its shadow
        Press(VK_DOWN);  // the second, with its shortcut
        WhileModal([&] {
            selected.push_back(ItemAgainstRaster(1, true));
            Press(VK_DOWN);  // onto the disabled item, which keeps its look
            WhileModal([&] {
                selected.push_back(ItemAgainstRaster(2, false));
                Press(VK_ESCAPE);
            });
        });
    });
    Menu->Popup(100, 100);
    ASSERT_EQ(unselected.size(), 7u);
    for (size_t i = 0; i < unselected.size(); ++i)
        EXPECT_EQ(unselected[i], "") << Menu->Items().Items(static_cast<int>(i))->Caption();
    EXPECT_EQ(selected, (std::vector<std::string>{"", ""}));
}

TEST_F(FlatMenuWin32, GdiObjectsStayFlatOverAHundredMenuOpenings) {
    auto open = [&] {
        WhileModal([] {
            Press(VK_DOWN);
            Press(VK_ESCAPE);
        });
        Menu->Popup(100, 100);
    };
    for (int i = 0; i < 3; ++i) open();
    const int free = FreeGdiHandles();
    for (int i = 0; i < 100; ++i) open();
    EXPECT_EQ(FreeGdiHandles(), free);
}
