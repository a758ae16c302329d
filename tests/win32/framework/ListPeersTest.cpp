// List views and tree views on real windows: rows and nodes as the control
// holds them, with their images, and the user's clicks and keys coming back
// as the selection, the expanding and the click.
#include "tests/win32/framework/PeerHarness.h"

#include "ui/ListView.h"
#include "ui/TreeView.h"

namespace {
LRESULT Ask(void* Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
    return SendMessageA(static_cast<HWND>(Wnd), Msg, WParam, LParam);
}

std::string RowText(void* List, int Row, int Column) {
    char text[128] = {};
    LVITEMA item{};
    item.iSubItem = Column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    Ask(List, LVM_GETITEMTEXTA, Row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int RowImage(void* List, int Row) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = Row;
    Ask(List, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

// A red picture with a transparent corner.
void AddPicture(TImageList& Images) {
    TBitmap picture(16, 16);
    picture.Canvas().Brush().SetColor(clRed);
    picture.Canvas().FillRect(Bounds(0, 0, 16, 16));
    picture.Canvas().SetPixels(0, 15, clWhite);
    Images.AddMasked(picture, clWhite);
}
}  // namespace

TEST_F(PeerHarness, ListViewShowsItsRowsAndTakesTheUsersSelection) {
    auto* images = new TImageList(Form);
    for (int i = 0; i < 6; ++i) AddPicture(*images);
    auto* list = new TListView(Form);
    list->SetParent(Form);
    list->SetBounds(8, 8, 260, 150);
    list->SetShowColumnHeaders(false);
    list->AddColumn("", 60);
    list->AddColumn("", 150);
    list->SetSmallImages(images);
    list->OnChange = Record("change");
    const char* rows[][2] = {{"CPU", "Level 2 Cache pas optimisé !"}, {"WINC", "Windows Cache optimisé !"}};
    list->BeginUpdate();
    for (int i = 0; i < 2; ++i) {
        TListItem& item = list->Add();
        item.SetCaption(rows[i][0]);
        item.AddSubItem(rows[i][1]);
        item.SetImageIndex(5 - i);
    }
    list->EndUpdate();
    Form->Show();
    void* wnd = list->Handle();
    EXPECT_EQ(ClassOf(wnd), WC_LISTVIEWA);
    EXPECT_NE(GetWindowLongA(static_cast<HWND>(wnd), GWL_STYLE) & LVS_NOCOLUMNHEADER, 0);
    EXPECT_EQ(Ask(wnd, LVM_GETCOLUMNWIDTH, 1), 150);
    auto image = reinterpret_cast<HIMAGELIST>(Ask(wnd, LVM_GETIMAGELIST, LVSIL_SMALL));
    EXPECT_EQ(ImageList_GetImageCount(image), 6);

    auto state = [&] {
        std::string s;
        for (int i = 0; i < Ask(wnd, LVM_GETITEMCOUNT); ++i)
            s += RowText(wnd, i, 0) + ":" + RowText(wnd, i, 1) + "/" + std::to_string(RowImage(wnd, i)) + " ";
        return s + "sel " + std::to_string(Ask(wnd, LVM_GETNEXTITEM, -1, LVNI_SELECTED)) + " model " +
               std::to_string(list->ItemIndex()) + Sent(wnd);
    };
    const std::string shown = "CPU:Level 2 Cache pas optimisé !/5 WINC:Windows Cache optimisé !/4 ";
    auto rowCentre = [&](int Row) {
        RECT r{LVIR_LABEL, 0, 0, 0};
        Ask(wnd, LVM_GETITEMRECT, Row, reinterpret_cast<LPARAM>(&r));
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    Run({
            {"start", [] {}, shown + "sel -1 model -1", {}},
            {"user clicks the second row", [&] { POINT p = rowCentre(1); Click(wnd, p.x, p.y); }, shown + "sel 1 model 1",
             {"change"}},
            {"user goes up a row", [&] { Key(wnd, VK_UP); }, shown + "sel 0 model 0", {"change"}},
            {"program selects none", [&] { list->SetItemIndex(-1); }, shown + "sel -1 model -1 LVM_SETITEMSTATE", {"change"}},
            {"a row added", [&] { list->Add().SetCaption("WINP"); }, shown + "WINP:/-1 sel -1 model -1 LVM_SETITEMSTATE LVM_SETITEMSTATE",
             {}},
            {"cleared", [&] { list->Clear(); }, "sel -1 model -1 LVM_SETITEMSTATE", {}},
        },
        state);
}

TEST_F(PeerHarness, TreeViewShowsItsNodesAndTakesTheUsersClicks) {
    auto* images = new TImageList(Form);
    for (int i = 0; i < 4; ++i) AddPicture(*images);
    auto* tree = new TTreeView(Form);
    tree->SetParent(Form);
    tree->SetBounds(8, 8, 300, 200);
    tree->SetHotTrack(true);
    tree->SetShowToolTips(false);
    tree->SetReadOnly(true);
    tree->SetIndent(24);
    tree->SetImages(images);
    tree->OnChange = Record("change");
    tree->OnClick = Record("click");
    TTreeNode* heading = tree->Add(nullptr, "Torvane XP 3.1.1");
    heading->SetImageIndex(0);
    TTreeNode* link = tree->Add(heading, "Télécharger");
    link->SetImageIndex(3);
    link->SetData(0);
    Form->Show();
    void* wnd = tree->Handle();
    const LONG style = GetWindowLongA(static_cast<HWND>(wnd), GWL_STYLE);
    EXPECT_NE(style & TVS_TRACKSELECT, 0);
    EXPECT_NE(style & TVS_NOTOOLTIPS, 0);
    EXPECT_EQ(style & TVS_EDITLABELS, 0);
    EXPECT_EQ(Ask(wnd, TVM_GETINDENT), 24);
    EXPECT_EQ(ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(Ask(wnd, TVM_GETIMAGELIST, TVSIL_NORMAL))), 4);

    auto itemText = [&](HTREEITEM item) {
        char text[128] = {};
        TVITEMA info{};
        info.mask = TVIF_TEXT | TVIF_IMAGE;
        info.hItem = item;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        Ask(wnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        return std::string(text) + "/" + std::to_string(info.iImage);
    };
    auto state = [&] {
        auto root = reinterpret_cast<HTREEITEM>(Ask(wnd, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        auto child = root ? reinterpret_cast<HTREEITEM>(Ask(wnd, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)))
                          : nullptr;
        auto selected = reinterpret_cast<HTREEITEM>(Ask(wnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
        std::string s = std::to_string(Ask(wnd, TVM_GETCOUNT)) + " nodes";
        if (root) s += " " + itemText(root) + (child ? " > " + itemText(child) : "");
        s += " sel " + (selected ? itemText(selected) : std::string("none"));
        s += " model " + (tree->Selected() ? tree->Selected()->Text() : std::string("none"));
        return s + (tree->Count() && tree->Item(0)->Expanded() ? " open" : "") + Sent(wnd);
    };
    auto nodeCentre = [&](bool Child) {
        auto item = reinterpret_cast<HTREEITEM>(Ask(wnd, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        if (Child) item = reinterpret_cast<HTREEITEM>(Ask(wnd, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        RECT r;
        *reinterpret_cast<HTREEITEM*>(&r) = item;
        Ask(wnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    const std::string nodes = "2 nodes Torvane XP 3.1.1/0 > Télécharger/3";
    Run({
            {"start", [] {}, nodes + " sel none model none", {}},
            {"user clicks the heading", [&] { POINT p = nodeCentre(false); Click(wnd, p.x, p.y); },
             nodes + " sel Torvane XP 3.1.1/0 model Torvane XP 3.1.1", {"change", "click"}},
            {"user opens it with the right arrow", [&] { Key(wnd, VK_RIGHT); },
             nodes + " sel Torvane XP 3.1.1/0 model Torvane XP 3.1.1 open", {}},
            {"user clicks the link", [&] { POINT p = nodeCentre(true); Click(wnd, p.x, p.y); },
             nodes + " sel Télécharger/3 model Télécharger open", {"change", "click"}},
            {"program deselects", [&] { tree->SetSelected(nullptr); }, nodes + " sel none model none open TVM_SELECTITEM",
             {"change"}},
            {"cleared", [&] { tree->Clear(); }, "0 nodes sel none model none TVM_SELECTITEM", {}},
        },
        state);
}
