// The main window's construction: its components, its controls from the
// layout, its menus, and their handlers.
#include "app/Umain.h"

#include "app/Author.h"
#include "app/MainLayout.h"
#include "controls/SkinGlyphs.h"
#include "ui/Application.h"
#include "ui/Jpeg.h"
#include "ui/MaskedStrip.h"

TfMainMem::TfMainMem(TComponent* AOwner, TApplication& Application, TMainMemSystem& System, TCpuSampler& Sampler)
    : TForm(AOwner, Application), FSystem(System), FSampler(Sampler), FEstimator(System.Performance) {
    SetName("FMainMem");
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetClientSize(MainFormWidth, MainFormHeight);
    SetScreenSnap(true);
    SetAlphaBlend(true);
    SetAlphaBlendValue(255);
    SetShowHint(true);
    CreateComponents();
    CreateControls();
    CreateMenus();
    StyleReadOuts();
    StyleInformationPages();
    StyleCommandButtons();
    WireHandlers();
    CreateHistory();
    LoadedTree();
}

TfMainMem::~TfMainMem() { DoDestroy(); }

void TfMainMem::CreateComponents() {
    MemRecovery1 = new TMemRecovery(this, FSystem.Memory, Application().Queue());
    MemRecovery1->SetName("MemRecovery1");
    CpuInfo1 = new TCpuInfo(this, FSystem.Cpu);  // its speed is not measured: the page does not show it
    CpuInfo1->SetName("CpuInfo1");
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    TrayIcon1 = new TTextTrayIcon(this, Application().Windows(), FSystem.Shell);
    TrayIcon1->SetName("TrayIcon1");
    TFont digits;
    digits.SetName("Arial");
    digits.SetHeight(-9);
    digits.SetStyle(fsBold);
    digits.SetColor(clBlack);
    digits.SetCharset(fcAnsi);
    TrayIcon1->SetFont(digits);
    TrayIcon1->Options().SetOffsetX(1);
    TrayIcon1->Options().SetOffsetY(1);
    TrayIcon1->SetBorder(true);
    TrayIcon1->SetBorderColor(clSilver);
    TrayIcon1->SetColor(clLime);
    TrayIcon1->SetText("0");
    TrayIcon1->SetMinimizeToTray(true);
    TrayIcon1->SetWantEnterExitEvents(true);
    TrayIcon1->SetIconVisible(true);
    CreateNewsFeed();
    TTimer** timers[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5};
    for (int i = 0; i < 5; ++i) {
        *timers[i] = new TTimer(this, Application().Windows().Timers());
        (*timers[i])->SetName("Timer" + std::to_string(i + 1));
    }
    Timer3->SetInterval(30000);
    Timer4->SetInterval(4000);
    Timer5->SetEnabled(false);
}

void TfMainMem::CreateNewsFeed() {
    NewsFeed1 = new TNewsFeed(this, Application(),
                              {FSystem.Shell, FSystem.Download, FSystem.Files, FSystem.Resources, FSystem.ExeName});
    NewsFeed1->SetName("NewsFeed1");
    NewsFeed1->SetTitle("Torvane XP News");
    NewsFeed1->SetURL(NewsAddress);
}

// Its news window goes with it.
void TfMainMem::ReleaseNewsFeed() {
    delete NewsFeed1;
    NewsFeed1 = nullptr;
}

void TfMainMem::CreateControls() {
    BuildLayout(*this, MainLayout());
}

void TfMainMem::CreateMenus() {
    auto item = [this](TPopupMenu* Menu, TMenuItem*& Member, const char* Name, const char* Caption) {
        Member = new TMenuItem(this);
        Member->SetName(Name);
        Member->SetCaption(Caption);
        Menu->Items().Add(Member);
    };
    PopupMenu1 = new TPopupMenu(this, Application().Windows());
    PopupMenu1->SetName("PopupMenu1");
    item(PopupMenu1, Open1, "Open1", "a&Grandir");
    item(PopupMenu1, RecoverRam1, "RecoverRam1", "&Optimiser RAM");
    item(PopupMenu1, Cancel1, "Cancel1", "&Annuler");
    item(PopupMenu1, Exit1, "Exit1", "&Quitter");
    Open1->SetDefault(true);
    Cancel1->SetEnabled(false);
    PopupMenu1->SetImages(ImageList1);
    const std::pair<TMenuItem*, int> icons[] = {{Open1, 0}, {RecoverRam1, 1}, {Cancel1, 2}, {Exit1, 3}};
    for (auto [menuItem, image] : icons) menuItem->SetImageIndex(image);
    PopupMenu2 = new TPopupMenu(this, Application().Windows());
    PopupMenu2->SetName("PopupMenu2");
    item(PopupMenu2, Basse1, "Basse1", "Basse");
    item(PopupMenu2, Normale1, "Normale1", "Normale");
    item(PopupMenu2, Haute1, "Haute1", "Haute");
    Memoire->SetPopupMenu(PopupMenu1);
    PerfChart1->SetPopupMenu(PopupMenu2);
    TrayIcon1->SetPopupMenu(PopupMenu1);
    FlatMenu1 = new TFlatMenu(this);
    FlatMenu1->SetName("FlatMenu1");
    FlatMenu1->SetAutoDetect(true);
    FlatMenu1->SetActive(true);
}

// The read-outs' look: bold labels, a white chart panel with its legend, and
// the three gauges with their bar picture.
void TfMainMem::StyleReadOuts() {
    for (const char* name : {"BoldLabel1", "BoldLabel3"})
        static_cast<TControl*>(FindComponent(name))->Font().SetStyle(fsBold);
    Panel1->SetColor(clWhite);
    const std::pair<const char*, TColor> legend[] = {{"Shape1", clLime}, {"Shape2", clRed}, {"Shape3", clAqua}};
    for (auto [name, colour] : legend) static_cast<TControl*>(FindComponent(name))->SetColor(colour);
    TBitmap bar;
    LoadPicture("GAUGEBAR", bar);
    for (TGradientBar* gauge : {Gauge1, CpuGauge1, CpuGauge2}) {
        gauge->SetBackgroundColor(clWhite);
        gauge->SetBorderColor1(clBlack);
        gauge->SetBorderColor2(clBlack);
        gauge->SetPosTextSuffix("%");
        gauge->Font().SetName("Arial");
        gauge->Font().SetHeight(-11);
        gauge->Font().SetStyle(fsBold);
        gauge->Font().SetColor(clWindowText);
        gauge->SetBarBitmap(bar);
    }
    Gauge1->SetPercentage(true);
    SpinEdit1->SetMaxValue(100);
    SpinEdit3->SetMaxValue(100);
    TrackBar1->SetEnabled(false);  // only the manual method uses it
    TrackBar2->SetRange(20, 255);
    TrackBar2->SetFrequency(10);
    TrackBar2->SetEnabled(false);  // until the creation finds layered windows
    for (TLabel* link : {BoldLabel4, Label11}) link->Font().SetStyle(fsBold);
    ApplyDefaultSettings();
}

void TfMainMem::WireHandlers() {
    Timer1->SetOnTimer(TNotifyEvent(this, &TfMainMem::Timer1Timer));
    Timer2->SetOnTimer(TNotifyEvent(this, &TfMainMem::Timer2Timer));
    Timer3->SetOnTimer(TNotifyEvent(this, &TfMainMem::Timer3Timer));
    Timer4->SetOnTimer(TNotifyEvent(this, &TfMainMem::Timer4Timer));
    Timer5->SetOnTimer(TNotifyEvent(this, &TfMainMem::Timer5Timer));
    CheckBox5->OnClick = TNotifyEvent(this, &TfMainMem::CheckBox5Click);
    SpinEdit1->OnChange = TNotifyEvent(this, &TfMainMem::SpinEdit1Change);
    SpinEdit2->OnChange = TNotifyEvent(this, &TfMainMem::SpinEdit2Change);
    Basse1->OnClick = TNotifyEvent(this, &TfMainMem::Basse1Click);
    Normale1->OnClick = TNotifyEvent(this, &TfMainMem::Moyen1Click);
    Haute1->OnClick = TNotifyEvent(this, &TfMainMem::Haute1Click);

    MemRecovery1->SetOnBeforeDefrag(TNotifyEvent(this, &TfMainMem::MemRecovery1BeforeDefrag));
    MemRecovery1->SetOnProgress(TOnProgress(this, &TfMainMem::MemRecovery1Progress));
    MemRecovery1->SetOnAfterDefrag(TNotifyEvent(this, &TfMainMem::MemRecovery1AfterDefrag));
    BitBtn1->OnClick = TNotifyEvent(this, &TfMainMem::BitBtn1Click);
    BitBtn3->OnClick = TNotifyEvent(this, &TfMainMem::BitBtn3Click);
    RecoverRam1->OnClick = TNotifyEvent(this, &TfMainMem::RecoverRam1Click);
    Cancel1->OnClick = TNotifyEvent(this, &TfMainMem::Cancel1Click);
    RadioButton1->OnClick = TNotifyEvent(this, &TfMainMem::RadioButton1Click);
    RadioButton2->OnClick = TNotifyEvent(this, &TfMainMem::RadioButton2Click);
    RadioButton3->OnClick = TNotifyEvent(this, &TfMainMem::RadioButton3Click);
    TrackBar1->OnChange = TNotifyEvent(this, &TfMainMem::TrackBar1Change);

    SkinButton2->OnClick = TNotifyEvent(this, &TfMainMem::SkinButton2Click);
    BitBtn5->OnClick = TNotifyEvent(this, &TfMainMem::BitBtn5Click);
    SkinButton3->OnClick = TNotifyEvent(this, &TfMainMem::SkinButton3Click);
    CheckBox1->OnClick = TNotifyEvent(this, &TfMainMem::CheckBox1Click);
    CDechargeDll->OnMouseUp = TMouseEvent(this, &TfMainMem::CDechargeDllMouseUp);

    SkinButton4->OnClick = TNotifyEvent(this, &TfMainMem::SkinButton4Click);
    SkinButton1->OnClick = TNotifyEvent(this, &TfMainMem::SkinButton1Click);
    ImageButton1->OnClick = TNotifyEvent(this, &TfMainMem::ImageButton1Click);
    ImageButton2->OnClick = TNotifyEvent(this, &TfMainMem::ImageButton2Click);
    Open1->OnClick = TNotifyEvent(this, &TfMainMem::Open1Click);
    Exit1->OnClick = TNotifyEvent(this, &TfMainMem::Exit1Click);
    TrayIcon1->OnDblClick = TNotifyEvent(this, &TfMainMem::TrayIcon1DblClick);
    Image2->OnMouseDown = TMouseEvent(this, &TfMainMem::Image2MouseDown);
    CheckBox2->OnClick = TNotifyEvent(this, &TfMainMem::CheckBox2Click);
    CheckBox2->OnMouseUp = TMouseEvent(this, &TfMainMem::CheckBox2MouseUp);
    TrackBar2->OnChange = TNotifyEvent(this, &TfMainMem::TrackBar2Change);
    BoldLabel4->OnClick = TNotifyEvent(this, &TfMainMem::BoldLabel4Click);
    Label11->OnClick = TNotifyEvent(this, &TfMainMem::Label11Click);
    for (TLabel* link : {BoldLabel4, Label11}) {
        link->OnMouseEnter = TNotifyEvent(this, &TfMainMem::LinkMouseEnter);
        link->OnMouseLeave = TNotifyEvent(this, &TfMainMem::LinkMouseLeave);
        link->OnMouseDown = TMouseEvent(this, &TfMainMem::LinkMouseDown);
    }
    Image2->SetStretch(true);
    LoadPicture("CAPTIONSTRIP", Image2->Picture());
    LoadCaptionButtons();
}

// Both caption buttons' pictures, side by side in one strip: hiding's normal,
// mouse-over and held-down pictures, then quitting's; they have no
// transparent parts.
void TfMainMem::LoadCaptionButtons() {
    TBitmap strip, picture, mask;
    LoadPicture("CAPTIONBUTTONS", strip);
    const TPicState states[] = {stDefault, stEntered, stDown};
    for (int button = 0; button < 2; ++button) {
        TImageButton* target = button == 0 ? ImageButton2 : ImageButton1;
        for (int i = 0; i < 3; ++i) {
            if (!CutMaskedImage(strip, button * 3 + i, picture, mask)) return;
            if (states[i] == stDefault) target->SetPicture(picture);
            else target->SetStatePicture(states[i], picture);
        }
    }
}

// The seven command buttons at their finest gradients, each with its glyph.
void TfMainMem::StyleCommandButtons() {
    TBitmap strip;
    LoadPicture("SKINGLYPHS", strip);
    const std::pair<TSkinButton*, TSkinGlyph> glyphs[] = {
        {BitBtn1, sgOptimise}, {BitBtn3, sgCancel},  {SkinButton4, sgQuit},      {BitBtn5, sgOptimise},
        {SkinButton2, sgSave}, {SkinButton3, sgRefresh}, {SkinButton1, sgLiveInfo}};
    for (auto [button, glyph] : glyphs) {
        button->SetQuality(bqHigh);
        CutGlyph(strip, glyph, button->Glyph());
    }
}

// The two feature lists: no headers, the window's small pictures; the
// makers' pictures wait for the creation to pick one.
void TfMainMem::StyleInformationPages() {
    const std::pair<TListView*, int> lists[] = {{FeatureList, 60}, {ListView1, 100}};
    for (auto [list, codeWidth] : lists) {
        list->SetShowColumnHeaders(false);
        list->AddColumn("", codeWidth);
        list->AddColumn("", list == FeatureList ? 150 : 200);
        list->SetSmallImages(ImageList1);
    }
    for (TImage* logo : {LogoIntel, LogoAMD, LogoCyrix}) logo->SetVisible(false);
    AddMaskedStrip(*ImageList1, FSystem.Resources.Load("SMALLIMAGES"));
    LoadInformationPictures();
}

void TfMainMem::LoadInformationPictures() {
    const std::pair<const char*, TImage*> pictures[] = {
        {"LOGOWIN95", LogoWin95}, {"LOGOWIN98", LogoWin98}, {"LOGOWINNT", LogoWinNT}, {"LOGOWIN2K", LogoWin2K},
        {"LOGOWINXP", LogoWinXP}, {"LOGOAMD", LogoAMD},     {"LOGOINTEL", LogoIntel}, {"LOGOCYRIX", LogoCyrix},
        {"PROCESSOR", Image10}};
    for (auto [resource, image] : pictures) LoadPicture(resource, image->Picture());
}

void TfMainMem::LoadPicture(const char* Resource, TBitmap& Target) {
    try {
        LoadJpeg(Target, FSystem.Resources.Load(Resource));
    } catch (const EJpegError&) {
        // A damaged picture leaves its place blank; the window works without it.
    }
}
