#include "news/NewsDialog.h"

#include "news/NewsFetch.h"
#include "news/NewsFile.h"
#include "news/NewsLink.h"
#include "news/NewsNotifyWindow.h"
#include "ui/Application.h"
#include "ui/MaskedStrip.h"

namespace {
constexpr int StripHeight = 21;
const char* const RefusedLink = "Lien refusé : ";
}  // namespace

TNewsDialog::TNewsDialog(TComponent* AOwner, TApplication& Application, const TNewsSystem& System)
    : TForm(AOwner, Application),
      FShell(System.Shell),
      FDownload(System.Download),
      FFiles(System.Files),
      FProgramFolder(FolderOf(System.ExeName)) {
    SetBorderStyle(bsSizeToolWin);
    SetPosition(poScreenCenter);
    SetClientSize(DesignWidth, DesignHeight);
    SetMinSize(DesignWidth, DesignHeight);
    CreateControls();
    LoadPictures(System.Resources);
}

TNewsDialog::~TNewsDialog() { DoDestroy(); }

void TNewsDialog::CreateControls() {
    ImageList1 = new TImageList(this);
    Panel1 = new TPanel(this);
    Panel1->SetParent(this);
    Panel1->SetBounds(0, 0, DesignWidth, StripHeight);
    Panel1->SetAlign(alTop);
    btnUpdate = new TFlatButton(this);
    btnUpdate->SetParent(Panel1);
    btnUpdate->SetBounds(7, 2, 72, 18);
    btnUpdate->SetCaption("Update");
    btnUpdate->OnClick = TNotifyEvent(this, &TNewsDialog::btnUpdateClick);
    StatusBar = new TStatusBar(this);
    StatusBar->SetParent(this);
    CreateTree();
    for (TControl* control : WindowControls()) {
        control->Font().SetName("MS Sans Serif");
        control->Font().SetHeight(-10);
    }
}

void TNewsDialog::CreateTree() {
    tvDirect = new TTreeView(this);
    tvDirect->SetParent(this);
    tvDirect->SetAlign(alClient);
    tvDirect->SetReadOnly(true);
    tvDirect->SetHotTrack(true);
    tvDirect->SetIndent(24);
    tvDirect->SetShowToolTips(false);
    tvDirect->SetImages(ImageList1);
    tvDirect->OnClick = TNotifyEvent(this, &TNewsDialog::tvDirectClick);
}

std::vector<TControl*> TNewsDialog::WindowControls() { return {this, Panel1, btnUpdate, tvDirect, StatusBar}; }

void TNewsDialog::LoadPictures(TResources& Resources) {
    AddMaskedStrip(*ImageList1, Resources.Load("NEWSIMAGES"));
    AddMaskedStrip(btnUpdate->Glyph(), Resources.Load("NEWSUPDATE"));
}

void TNewsDialog::CreatePeers(TPeerFactory& Factory) {
    TForm::CreatePeers(Factory);
    SetBounds(Left(), Top(), DesignWidth, DesignHeight);
}

void TNewsDialog::btnUpdateClick(TObject*) { RefreshNews(); }

void TNewsDialog::RefreshNews() {
    if (FRefreshing) return;  // a click that the download's wait let through
    FRefreshing = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } done{FRefreshing};
    Lines.clear();
    Links.clear();
    tvDirect->Clear();
    TNewsFetch fetched = FetchNews(FFiles, FDownload, URL, FProgramFolder,
                                   [this](bool Waiting, const std::string& Status) { SetWaiting(Waiting, Status); });
    Lines = std::move(fetched.Lines);
    StatusBar->SetSimpleText(fetched.Status);
    BuildTree();
}

// The hourglass over the whole window, wherever the mouse is in it.
void TNewsDialog::SetWaiting(bool Waiting, const std::string& Status) {
    const TCursor cursor = Waiting ? crHourGlass : crDefault;
    for (TControl* control : WindowControls()) control->SetCursor(cursor);
    StatusBar->SetSimpleText(Status);
}

void TNewsDialog::BuildTree() {
    tvDirect->BeginUpdate();
    for (const TNewsItem& item : ParseNews(Lines)) {
        TTreeNode* heading = tvDirect->Add(nullptr, item.Heading);
        heading->SetImageIndex(niHeading);
        for (const TNewsLink& link : item.Links) {
            TTreeNode* node = tvDirect->Add(heading, link.Caption);
            node->SetImageIndex(LinkImage(link.Link));
            Links.push_back(link.Link);
            node->SetData(static_cast<int>(Links.size()) - 1);
        }
    }
    tvDirect->EndUpdate();
}

std::string TNewsDialog::SelectedLink() const {
    const TTreeNode* node = tvDirect->Selected();
    if (!node || node->Level() != 1) return {};
    const int index = node->Data();
    return index >= 0 && index < static_cast<int>(Links.size()) ? Links[index] : std::string();
}

void TNewsDialog::tvDirectClick(TObject*) {
    const std::string link = SelectedLink();
    if (link.empty()) return;
    if (NotifyWindow) Application().Windows().SendToWindow(NotifyWindow, NewsNotifyMessage, 0, 0);
    OpenLink(link);
    tvDirect->SetSelected(nullptr);
}

void TNewsDialog::OpenLink(const std::string& Link) {
    const std::string target = SafeLink(Link);
    if (target.empty()) return StatusBar->SetSimpleText(RefusedLink + Link);
    FShell.Execute(Handle(), "open", target, "", "", SW_SHOW_COMMAND);
}
