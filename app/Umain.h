#pragma once
// The main window: owner of every other object of the program.
#include <cstdint>
#include <memory>
#include <string>

#include "app/MainMemSystem.h"
#include "app/ProgramIdentity.h"
#include "app/RecoveryMethod.h"
#include "controls/FlatMenu.h"
#include "controls/ImageButton.h"
#include "controls/SkinButton.h"
#include "controls/Spin.h"
#include "cpu/CpuInfo.h"
#include "engine/CpuEstimator.h"
#include "engine/CpuSampler.h"
#include "engine/MemRecovery.h"
#include "history/RunBackOff.h"
#include "history/RunJournal.h"
#include "news/NewsFeed.h"
#include "tray/TextTrayIcon.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/PageControl.h"
#include "ui/Registry.h"
#include "ui/StdControls.h"
#include "ui/Timer.h"
#include "ui/TrackBar.h"
#include "widgets/GradientBar.h"
#include "widgets/PerfChart.h"

inline const std::string ProgramVersion = TORVANE_VERSION_TEXT;
inline const std::string SettingsKey = "\\Software\\Torvane XP\\settings";

class TfMainMem : public TForm {
public:
    TfMainMem(TComponent* AOwner, TApplication& Application, TMainMemSystem& System, TCpuSampler& Sampler);
    ~TfMainMem() override;
    const char* ClassName() const override { return TORVANE_MAIN_CLASS; }

    TImage* Image2;
    TImageButton* ImageButton1;
    TImageButton* ImageButton2;
    TPageControl* Memoire;
    TTabSheet* TabSheet1;
    TTabSheet* TabSheet3;
    TTabSheet* TabSheet5;
    TTabSheet* TabSheet4;
    TTabSheet* TabSheet2;
    // Système
    TLabel* BoldLabel3;
    TGradientBar* Gauge1;
    TGradientBar* CpuGauge1;
    TGradientBar* CpuGauge2;
    TPanel* Panel1;
    TPerfChart* PerfChart1;
    TSkinButton* BitBtn1;
    TSkinButton* BitBtn3;
    TSkinButton* SkinButton4;
    // Paramètres
    TRadioButton* RadioButton1;
    TRadioButton* RadioButton2;
    TRadioButton* RadioButton3;
    TTrackBar* TrackBar1;
    TLabel* Label4;
    TCheckBox* CheckBox3;
    TCheckBox* CheckBox5;
    TSpinEdit* SpinEdit1;
    TSpinEdit* SpinEdit2;
    TSpinEdit* SpinEdit3;
    TCheckBox* CheckBox1;
    TCheckBox* CDechargeDll;
    TCheckBox* CheckBox2;
    TTrackBar* TrackBar2;
    TListView* FeatureList;
    TSkinButton* BitBtn5;
    TSkinButton* SkinButton2;
    // Informations
    TLabel* Label_version_os;
    TLabel* Label_nom_machine;
    TLabel* Label_nom_utilisateur;
    TLabel* Label_ip_adresse;
    TLabel* Label_disque_c;
    TLabel* Label_disque_d;
    TLabel* Label_ram;
    TLabel* Label_cpu_speed;
    TImage* LogoWin95;
    TImage* LogoWin98;
    TImage* LogoWinNT;
    TImage* LogoWin2K;
    TImage* LogoWinXP;
    TSkinButton* SkinButton3;
    // Processeur
    TLabel* lblName;
    TLabel* LblMMX;
    TLabel* lblSIMD;
    TLabel* lbl3DNow;
    TLabel* lblL1Code;
    TLabel* lblL1Data;
    TLabel* lblLevel1;
    TLabel* lblLevel2;
    TImage* LogoIntel;
    TImage* LogoAMD;
    TImage* LogoCyrix;
    TImage* Image10;
    TListView* ListView1;
    // A propos de...
    TLabel* Label2;
    TLabel* BoldLabel4;
    TLabel* Label11;
    TSkinButton* SkinButton1;
    // Not shown
    TMemRecovery* MemRecovery1;
    TCpuInfo* CpuInfo1;
    TImageList* ImageList1;
    TTextTrayIcon* TrayIcon1;
    TNewsFeed* NewsFeed1;  // released at exit and at the session's end, then nullptr
    TTimer* Timer1;
    TTimer* Timer2;
    TTimer* Timer3;
    TTimer* Timer4;
    TTimer* Timer5;
    TFlatMenu* FlatMenu1;
    TPopupMenu* PopupMenu1;
    TMenuItem* Open1;
    TMenuItem* RecoverRam1;
    TMenuItem* Cancel1;
    TMenuItem* Exit1;
    TPopupMenu* PopupMenu2;
    TMenuItem* Basse1;
    TMenuItem* Normale1;
    TMenuItem* Haute1;

    // Window-wide state.
    std::unique_ptr<TRegistry> SettingsRegistry;
    int64_t InstalledMB = 0;
    int64_t FreeBytes = 0;
    int64_t ShownFreeBytes = 0;
    int64_t FreePercent = 0;
    int64_t CpuPercent = 0;
    double CpuSum = 0.0;
    int64_t CpuSamples = 0;
    bool DefragRunning = false;

    // One of the four Windows memory settings, from one reading to the next:
    // its value as last read and the text that its row shows.
    struct TWindowsSetting {
        int64_t LastRead = 0;
        std::string Status;
    };
    TWindowsSetting Level2Cache;
    TWindowsSetting WindowsCache;
    TWindowsSetting WindowsIO;
    TWindowsSetting WindowsPaging;

    // Lifecycle
    void exit_appli();
    bool WndProc(TMessage& Message, intptr_t& Result) override;
    void WMUser();
    intptr_t WMQueryEndSession();
    void WMEndSession(bool SessionEnds);

    // Monitoring
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void Timer3Timer(TObject* Sender);
    void Timer4Timer(TObject* Sender);
    void Timer5Timer(TObject* Sender);
    void CheckBox5Click(TObject* Sender);
    void SpinEdit1Change(TObject* Sender);
    void SpinEdit2Change(TObject* Sender);
    void Basse1Click(TObject* Sender);
    void Moyen1Click(TObject* Sender);
    void Haute1Click(TObject* Sender);

    // Recovery
    void RecupRam(TRunTrigger Trigger = rtManual);
    void AnnulRam();
    void BitBtn1Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void RecoverRam1Click(TObject* Sender);
    void Cancel1Click(TObject* Sender);
    void MemRecovery1BeforeDefrag(TObject* Sender);
    void MemRecovery1Progress(TObject* Sender, int Progress);
    void MemRecovery1AfterDefrag(TObject* Sender);
    void RadioButton1Click(TObject* Sender);
    void RadioButton2Click(TObject* Sender);
    void RadioButton3Click(TObject* Sender);
    void TrackBar1Change(TObject* Sender);

    // Settings
    void SaveSettings();
    void LoadSettings();
    void AddRunEntry();
    void RemoveRunEntry();
    void UnloadDllOn();
    void UnloadDllOff();
    int32_t ReadUnloadDll();
    void SkinButton2Click(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void CDechargeDllMouseUp(TObject* Sender, TMouseButton Button, int Shift, int X, int Y);

    // Windows memory settings
    void GetInfoOptimization();
    void Optimization();
    void AddFeature(const std::string& Name, const std::string& Description, bool Ok);
    void BitBtn5Click(TObject* Sender);

    // Information pages
    void GetInfoSystem();
    void SkinButton3Click(TObject* Sender);
    void GetCpuInfo();
    void AddFeature2(const std::string& Name, const std::string& Description, bool Ok);

    // Window behaviour
    void SkinButton4Click(TObject* Sender);
    void ImageButton1Click(TObject* Sender);
    void ImageButton2Click(TObject* Sender);
    void Exit1Click(TObject* Sender);
    void Open1Click(TObject* Sender);
    void TrayIcon1DblClick(TObject* Sender);
    void Image2MouseDown(TObject* Sender, TMouseButton Button, int Shift, int X, int Y);
    void CheckBox2Click(TObject* Sender);
    void CheckBox2MouseUp(TObject* Sender, TMouseButton Button, int Shift, int X, int Y);
    void TrackBar2Change(TObject* Sender);
    void BoldLabel4Click(TObject* Sender);
    void Label11Click(TObject* Sender);
    void SkinButton1Click(TObject* Sender);
    // The links' feedback, the same for both labels.
    void LinkMouseEnter(TObject* Sender);
    void LinkMouseLeave(TObject* Sender);
    void LinkMouseDown(TObject* Sender, TMouseButton Button, int Shift, int X, int Y);

    // The runs' history: each run's record and its line in the history file,
    // the last run on the tray tip, the automatic runs held back while they
    // do not help, and the runs that commands of other processes ask for.
    std::unique_ptr<TRunHistory> History;
    std::unique_ptr<TRunJournal> Journal;
    TRunBackOff BackOff;
    std::string TrayTip(int64_t FreeMegabytes) const;
    void OptimiseRequested(uint32_t Thread, int Megabytes);
    // A change of the method or of the triggers ends the automatic runs' waiting.
    void RunOptionChanged(TObject* Sender);
    void CreateHistory();
    int MethodNumber() const;
    TRecoveryRun SelectedRun() const;
    bool AutomaticRunPermitted() const;
    void StartRecovery(TRunTrigger Trigger, const TRecoveryRun& Run);
    void RecordComplete(const TRunRecord& Run);
    void AnswerCommand(uint32_t Thread, TRunOutcome Outcome);
    uint32_t FCommandThread = 0;  // the command whose run is about to start
    uint32_t FRecordThread = 0;   // the command that waits for the last run's record

protected:
    void FormCreate() override;
    void FormDestroy() override;

private:
    void CreateControls();
    void CreateComponents();
    void CreateMenus();
    void WireHandlers();
    void StyleReadOuts();
    void LoadPicture(const char* Resource, TBitmap& Target);
    void LoadCaptionButtons();
    void StyleCommandButtons();
    void LoadInformationPictures();
    void StyleInformationPages();
    // The pictures of the Windows edition and of the processor's maker.
    void ShowWindowsLogo();
    void ShowVendorLogo();
    void ReadWindowsSetting(TWindowsSetting& Setting, const char* Value);
    static void AddFeatureRow(TListView& List, const std::string& Name, const std::string& Description, bool Ok);
    // Hides the window into the tray, or brings it back from there.
    void CreateNewsFeed();
    void ReleaseNewsFeed();
    void HideIntoTray();
    void RestoreFromTray();
    void ApplyStayOnTop();
    // The settings' controls in their states before anything is loaded.
    void ApplyDefaultSettings();
    void WriteUnloadDll(int32_t Value);
    // The commands offered while a run goes on, or while none does.
    void ShowCommands(bool Running);
    // Arms the interval trigger for SpinEdit2's minutes, or disarms it.
    void ArmIntervalTrigger(bool Armed);
    void SetFastTickInterval(uint32_t Milliseconds, TMenuItem* Checked);

    TMainMemSystem& FSystem;
    TCpuSampler& FSampler;
    TCpuEstimator FEstimator;
};
