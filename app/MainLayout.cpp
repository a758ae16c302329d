#include "app/MainLayout.h"

#include "app/Author.h"
#include "app/Umain.h"
#include "controls/ImageButton.h"
#include "controls/SkinButton.h"
#include "controls/Spin.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ListView.h"
#include "ui/StdControls.h"
#include "ui/TrackBar.h"
#include "widgets/GradientBar.h"
#include "widgets/PerfChart.h"

// Spin edits step through the application's timers and beep through its
// window system.
template <>
TControl* Make<TSpinEdit>(TComponent* Owner, TWinControl*) {
    auto* form = dynamic_cast<TForm*>(Owner);
    if (!form) throw std::logic_error("a spin edit belongs to a form");
    return new TSpinEdit(Owner, form->Application().Windows());
}

// Image buttons take the application's tool-tip colour while the mouse is over them.
template <>
TControl* Make<TImageButton>(TComponent* Owner, TWinControl*) {
    auto* form = dynamic_cast<TForm*>(Owner);
    if (!form) throw std::logic_error("an image button belongs to a form");
    return new TImageButton(Owner, form->Application());
}

namespace {
// A row whose control is the window's field of that name.
#define FIELD(Name) LAYOUT_FIELD(TfMainMem, Name)

const std::string MailText = "Email : " + std::string(AuthorMail);
constexpr int StripHeight = 25;  // the caption strip across the top

const char* const AboutText =
    "Torvane XP\r\n"
    "Moniteur et optimiseur de mémoire vive\r\n"
    "\r\n"
    "Version : ";

const char* const AlarmHint =
    "NIVEAU D'ALARME:\r\n---------------------------------\r\nPermet de règler le seuil minimum\r\nde RAM (en pourcentage) à partir \r\nduquel le système doit se déclencher.";
const char* const IntervalHint =
    "OPTIMISATION DANS LE TEMPS:\r\n--------------------------------------------------------\r\nPermet de règler le déclenchement \r\nautomatique tous les X minutes.";
const char* const CeilingHint =
    "CHARGE MAX CPU :\r\n----------------------------------\r\nSélectionnez la charge maximale du processeur\r\navant défragmentation de la RAM. Permet d'éviter\r\nde ralentir vos tâches en cours.";
const char* const SystemMethodHint =
    "METHODE SYSTEME:\r\n-------------------------------------\r\nTorvane XP essaye de\r\nrécupérer rapidement de la mémoire.\r\nEfficace si le seuil est très bas.";
const char* const ManualMethodHint =
    "REGLAGE MANUEL:\r\n----------------------------------\r\nVous pouvez règler vous-même\r\nla quantité de RAM à essayer d'atteindre.\r\nAttention plus la quantité est élevée, plus\r\nle système mettra du temps donc de la charge\r\nprocesseur.";
const char* const AllMethodHint =
    "RESTAURATION MAXIMALE :\r\n-------------------------------------------------\r\nTorvane Xp va essayer de restaurer\r\nun maximum de RAM. (Attention méthode\r\nplus lente et plus coûteuse en charge\r\nprocesseur.";
const char* const QuitHint =
    "QUITTER TORVANE XP\r\n=====================\r\nVous êtes sur le point de \r\nfermer Torvane XP.";

const char* const StartHint =
    "REDEMARRAGE AUTO :\r\n----------------------------------------\r\nPermet à Torvane XP de \r\nredémarrer automatiquement\r\navec Windows.";
const char* const UnloadHint =
    "DECHARGE LES DLLS NON UTILISEES:\r\n==================================\r\nCe paramètre force Windows à décharger les\r\nDlls non utilisées par le système. Cela peut \r\npermettre au système de récupérer plus de RAM.";
const char* const SaveHint =
    "ENREGISTREMENT DES PARAMETRES\r\n==================================\r\nCette fonctionnalité permet de stocker les\r\nparamètres afin de les garder pour les \r\nprochaines exécutions";
const char* const TopHint =
    "TOUJOURS VISIBLE:\r\n-----------------------------------\r\nForce la fenêtre de Torvane XP\r\nà rester devant les autres fenêtres\r\ndu bureau. (lorsque Torvane est\r\nen mode fenêtré).";
const char* const NewsHint =
    "INFOS DIRECTS :\r\n===============\r\nCette fonction permet de\r\nse tenir au courant des \r\ndernières informations à \r\npropos de Torvane XP.";
const char* const OptimiseWindowsHint =
    "OPTIMISATIONS WINDOWS :\r\n---------------------------------------\r\nRègle la gestion de la mémoire de Windows\r\nd'après votre machine. Les changements\r\nprennent effet au redémarrage.";
const char* const RefreshHint =
    "RAFRAICHIR LES DONNEES\r\n========================\r\nPermet de rafraichir les informations\r\nsur le(s) disque(s) dur(s) et la vitesse\r\nréelle du processeur.";

// A parent's first child is its topmost window: the caption strip's buttons
// come before the strip that they lie on.
const TLayoutRow Rows[] = {
    {FIELD(ImageButton2), nullptr, Bounds(312, 2, 21, 21)},
    {FIELD(ImageButton1), nullptr, Bounds(336, 2, 21, 21)},
    {FIELD(Image2), nullptr, Bounds(0, 0, MainFormWidth, StripHeight)},
    {FIELD(Memoire), nullptr, Bounds(0, StripHeight, MainFormWidth, MainFormHeight - StripHeight)},
    {FIELD(TabSheet1), "Memoire", {}, "Système"},
    {FIELD(TabSheet3), "Memoire", {}, "Paramètres"},
    {FIELD(TabSheet5), "Memoire", {}, "Informations"},
    {FIELD(TabSheet4), "Memoire", {}, "Processeur"},
    {FIELD(TabSheet2), "Memoire", {}, "A propos de..."},

    // Système
    {"GroupBox2", Make<TGroupBox>, "TabSheet1", Bounds(4, 2, 344, 84), "Affichage :"},
    {"BoldLabel1", Make<TLabel>, "GroupBox2", Bounds(8, 17, 64, 13), "RAM libre:"},
    {FIELD(BoldLabel3), "GroupBox2", Bounds(72, 17, 62, 13), "0 MB"},
    {FIELD(Gauge1), "GroupBox2", Bounds(136, 17, 200, 13)},
    {"Label1", Make<TLabel>, "GroupBox2", Bounds(8, 39, 126, 13), "Utilisation du CPU :"},
    {FIELD(CpuGauge1), "GroupBox2", Bounds(136, 39, 200, 13)},
    {"Label21", Make<TLabel>, "GroupBox2", Bounds(8, 61, 126, 13), "Moyenne CPU      :"},
    {FIELD(CpuGauge2), "GroupBox2", Bounds(136, 61, 200, 13)},
    {FIELD(Panel1), "TabSheet1", Bounds(4, 90, 344, 132)},
    {"Label20", Make<TLabel>, "Panel1", Bounds(26, 2, 300, 13), "Historique de l'utilisation du système"},
    {"Label19", Make<TLabel>, "Panel1", Bounds(4, 16, 20, 13), "100"},
    {"Label18", Make<TLabel>, "Panel1", Bounds(4, 62, 20, 13), "50"},
    {"Label17", Make<TLabel>, "Panel1", Bounds(4, 106, 20, 13), "0"},
    {FIELD(PerfChart1), "Panel1", Bounds(26, 18, 241, 97)},
    {"Label22", Make<TLabel>, "Panel1", Bounds(272, 18, 70, 13), "RAM libre % :"},
    {"Shape1", Make<TPanel>, "Panel1", Bounds(272, 33, 60, 4)},
    {"Label23", Make<TLabel>, "Panel1", Bounds(272, 48, 70, 13), "Alarme RAM  :"},
    {"Shape2", Make<TPanel>, "Panel1", Bounds(272, 63, 60, 4)},
    {"Label24", Make<TLabel>, "Panel1", Bounds(272, 78, 70, 13), "Activité CPU :"},
    {"Shape3", Make<TPanel>, "Panel1", Bounds(272, 93, 60, 4)},
    {FIELD(BitBtn1), "TabSheet1", Bounds(4, 228, 100, 25), "&Optimise!", "BOOST RAM MAINTENANT!"},
    {FIELD(BitBtn3), "TabSheet1", Bounds(110, 228, 100, 25), "&Annuler", "ANNULER"},
    {FIELD(SkinButton4), "TabSheet1", Bounds(216, 228, 132, 25), "&Quitter Torvane XP", QuitHint},

    // Paramètres
    {"RadioGroup1", Make<TGroupBox>, "TabSheet3", Bounds(4, 2, 178, 32), "Méthode"},
    {FIELD(RadioButton1), "RadioGroup1", Bounds(8, 13, 62, 16), "Système", SystemMethodHint},
    {FIELD(RadioButton2), "RadioGroup1", Bounds(72, 13, 58, 16), "Manuel", ManualMethodHint},
    {FIELD(RadioButton3), "RadioGroup1", Bounds(132, 13, 42, 16), "Tout", AllMethodHint},
    {"GroupBox4", Make<TGroupBox>, "TabSheet3", Bounds(4, 36, 178, 80), "Propriétés de récupération "},
    {FIELD(CheckBox3), "GroupBox4", Bounds(8, 16, 114, 17), "Niveau alarme en %", AlarmHint},
    {FIELD(SpinEdit1), "GroupBox4", Bounds(122, 12, 44, 21)},
    {FIELD(CheckBox5), "GroupBox4", Bounds(8, 37, 92, 17), "Libère tous les ", IntervalHint},
    {FIELD(SpinEdit2), "GroupBox4", Bounds(100, 34, 44, 21)},
    {"Label3", Make<TLabel>, "GroupBox4", Bounds(147, 38, 20, 13), "min"},
    {"Label14", Make<TLabel>, "GroupBox4", Bounds(6, 60, 122, 13), "Charge CPU inférieure à", CeilingHint},
    {FIELD(SpinEdit3), "GroupBox4", Bounds(127, 56, 42, 21)},
    {"Label13", Make<TLabel>, "GroupBox4", Bounds(170, 60, 7, 13), "%"},
    {"GroupBox3", Make<TGroupBox>, "TabSheet3", Bounds(186, 2, 162, 104), "Options"},
    {FIELD(CheckBox1), "GroupBox3", Bounds(8, 14, 150, 16), "Démarre avec Win ?", StartHint},
    {FIELD(CDechargeDll), "GroupBox3", Bounds(8, 30, 150, 16), "Décharge Dll inutilisées", UnloadHint},
    {FIELD(CheckBox2), "GroupBox3", Bounds(8, 46, 150, 16), "Toujours visible?", TopHint},
    {"Label5", Make<TLabel>, "GroupBox3", Bounds(8, 64, 150, 13), "Opacité ( Win2000 ou XP)"},
    {FIELD(TrackBar2), "GroupBox3", Bounds(4, 77, 154, 24), "", "100%"},
    {"GroupBox1", Make<TGroupBox>, "TabSheet3", Bounds(4, 118, 228, 92), "Optimisations Windows "},
    {FIELD(FeatureList), "GroupBox1", Bounds(6, 14, 216, 74)},
    {FIELD(BitBtn5), "TabSheet3", Bounds(238, 126, 110, 25), "&Optimise!", OptimiseWindowsHint},
    {FIELD(SkinButton2), "TabSheet3", Bounds(238, 180, 110, 25), "&Enregistrer", SaveHint},
    {"GroupBox10", Make<TGroupBox>, "TabSheet3", Bounds(4, 212, 344, 46), "Nbre de Mo à essayer d'atteindre (méthode manuelle)"},
    {FIELD(TrackBar1), "GroupBox10", Bounds(6, 14, 262, 28)},
    {FIELD(Label4), "GroupBox10", Bounds(272, 22, 66, 13), "000000"},

    // Informations: the edition's pictures share one place, beside the lines
    // (their captions are what screen readers say of them);
    // a drive's line shows only its name until the drive can be read.
    {"GroupBox8", Make<TGroupBox>, "TabSheet5", Bounds(4, 2, 344, 222), "Informations système"},
    {FIELD(Label_version_os), "GroupBox8", Bounds(10, 20, 256, 13)},
    {FIELD(Label_nom_machine), "GroupBox8", Bounds(10, 44, 256, 13)},
    {FIELD(Label_nom_utilisateur), "GroupBox8", Bounds(10, 68, 256, 13)},
    {FIELD(Label_ip_adresse), "GroupBox8", Bounds(10, 92, 326, 13)},
    {FIELD(Label_disque_c), "GroupBox8", Bounds(10, 116, 326, 13), "C:\\ : "},
    {FIELD(Label_disque_d), "GroupBox8", Bounds(10, 140, 326, 13), "D:\\ : "},
    {FIELD(Label_ram), "GroupBox8", Bounds(10, 164, 326, 13)},
    {FIELD(Label_cpu_speed), "GroupBox8", Bounds(10, 188, 326, 13)},
    {FIELD(LogoWin95), "GroupBox8", Bounds(272, 18, 64, 64), "Windows 95"},
    {FIELD(LogoWin98), "GroupBox8", Bounds(272, 18, 64, 64), "Windows 98"},
    {FIELD(LogoWinNT), "GroupBox8", Bounds(272, 18, 64, 64), "Windows NT"},
    {FIELD(LogoWin2K), "GroupBox8", Bounds(272, 18, 64, 64), "Windows 2000"},
    {FIELD(LogoWinXP), "GroupBox8", Bounds(272, 18, 64, 64), "Windows XP"},
    {FIELD(SkinButton3), "TabSheet5", Bounds(248, 230, 100, 25), "&Rafraichir", RefreshHint},

    // Processeur: the vendors' pictures share one place, right of the name.
    {"GroupBox6", Make<TGroupBox>, "TabSheet4", Bounds(4, 2, 344, 254), "Informations processeur"},
    {"Label6", Make<TLabel>, "GroupBox6", Bounds(8, 20, 62, 13), "Processeur :"},
    {FIELD(lblName), "GroupBox6", Bounds(72, 20, 196, 13), "lblName"},
    {FIELD(LogoIntel), "GroupBox6", Bounds(272, 12, 64, 32), "Intel"},
    {FIELD(LogoAMD), "GroupBox6", Bounds(272, 12, 64, 32), "AMD"},
    {FIELD(LogoCyrix), "GroupBox6", Bounds(272, 12, 64, 32), "Cyrix"},
    {FIELD(Image10), "GroupBox6", Bounds(10, 42, 32, 32), "Processeur"},
    {FIELD(LblMMX), "GroupBox6", Bounds(50, 40, 220, 13), "LblMMX"},
    {FIELD(lblSIMD), "GroupBox6", Bounds(50, 54, 220, 13), "lblSIMD"},
    {FIELD(lbl3DNow), "GroupBox6", Bounds(50, 68, 220, 13), "lbl3DNow"},
    {"Label7", Make<TLabel>, "GroupBox6", Bounds(8, 88, 84, 13), "Level 1 Code :"},
    {FIELD(lblL1Code), "GroupBox6", Bounds(94, 88, 70, 13), "lblL1Code"},
    {"Label8", Make<TLabel>, "GroupBox6", Bounds(172, 88, 84, 13), "Level 1 Data :"},
    {FIELD(lblL1Data), "GroupBox6", Bounds(258, 88, 78, 13), "lblL1Data"},
    {"Label9", Make<TLabel>, "GroupBox6", Bounds(8, 104, 84, 13), "Level 1 Unified :"},
    {FIELD(lblLevel1), "GroupBox6", Bounds(94, 104, 70, 13), "lblLevel1"},
    {"Label10", Make<TLabel>, "GroupBox6", Bounds(172, 104, 84, 13), "Level 2 Unified :"},
    {FIELD(lblLevel2), "GroupBox6", Bounds(258, 104, 78, 13), "lblLevel2"},
    {FIELD(ListView1), "GroupBox6", Bounds(8, 122, 328, 126)},

    // A propos de...
    {"GroupBox7", Make<TGroupBox>, "TabSheet2", Bounds(4, 2, 344, 252), "A propos de Torvane XP"},
    {FIELD(Label2), "GroupBox7", Bounds(12, 18, 320, 80), AboutText},
    {FIELD(BoldLabel4), "GroupBox7", Bounds(12, 110, 320, 13), WebAddress},
    {FIELD(Label11), "GroupBox7", Bounds(12, 130, 320, 13), MailText.c_str()},
    {FIELD(SkinButton1), "GroupBox7", Bounds(12, 216, 110, 25), "&Infos directs", NewsHint},
};
#undef FIELD
}  // namespace

std::span<const TLayoutRow> MainLayout() { return Rows; }
