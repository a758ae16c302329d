#include "app/MainLayout.h"

#include "app/Author.h"
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

const TLayoutRow Rows[] = {
    {"Image2", Make<TImage>, nullptr, Bounds(0, 0, MainFormWidth, StripHeight)},
    {"ImageButton2", Make<TImageButton>, nullptr, Bounds(312, 2, 21, 21)},
    {"ImageButton1", Make<TImageButton>, nullptr, Bounds(336, 2, 21, 21)},
    {"Memoire", Make<TPageControl>, nullptr, Bounds(0, StripHeight, MainFormWidth, MainFormHeight - StripHeight)},
    {"TabSheet1", Make<TTabSheet>, "Memoire", {}, "Système"},
    {"TabSheet3", Make<TTabSheet>, "Memoire", {}, "Paramètres"},
    {"TabSheet5", Make<TTabSheet>, "Memoire", {}, "Informations"},
    {"TabSheet4", Make<TTabSheet>, "Memoire", {}, "Processeur"},
    {"TabSheet2", Make<TTabSheet>, "Memoire", {}, "A propos de..."},

    // Système
    {"GroupBox2", Make<TGroupBox>, "TabSheet1", Bounds(4, 2, 344, 84), "Affichage :"},
    {"BoldLabel1", Make<TLabel>, "GroupBox2", Bounds(8, 17, 64, 13), "RAM libre:"},
    {"BoldLabel3", Make<TLabel>, "GroupBox2", Bounds(72, 17, 62, 13), "0 MB"},
    {"Gauge1", Make<TGradientBar>, "GroupBox2", Bounds(136, 17, 200, 13)},
    {"Label1", Make<TLabel>, "GroupBox2", Bounds(8, 39, 126, 13), "Utilisation du CPU :"},
    {"CpuGauge1", Make<TGradientBar>, "GroupBox2", Bounds(136, 39, 200, 13)},
    {"Label21", Make<TLabel>, "GroupBox2", Bounds(8, 61, 126, 13), "Moyenne CPU      :"},
    {"CpuGauge2", Make<TGradientBar>, "GroupBox2", Bounds(136, 61, 200, 13)},
    {"Panel1", Make<TPanel>, "TabSheet1", Bounds(4, 90, 344, 132)},
    {"Label20", Make<TLabel>, "Panel1", Bounds(26, 2, 300, 13), "Historique de l'utilisation du système"},
    {"Label19", Make<TLabel>, "Panel1", Bounds(4, 16, 20, 13), "100"},
    {"Label18", Make<TLabel>, "Panel1", Bounds(4, 62, 20, 13), "50"},
    {"Label17", Make<TLabel>, "Panel1", Bounds(4, 106, 20, 13), "0"},
    {"PerfChart1", Make<TPerfChart>, "Panel1", Bounds(26, 18, 241, 97)},
    {"Label22", Make<TLabel>, "Panel1", Bounds(272, 18, 70, 13), "RAM libre % :"},
    {"Shape1", Make<TPanel>, "Panel1", Bounds(272, 33, 60, 4)},
    {"Label23", Make<TLabel>, "Panel1", Bounds(272, 48, 70, 13), "Alarme RAM  :"},
    {"Shape2", Make<TPanel>, "Panel1", Bounds(272, 63, 60, 4)},
    {"Label24", Make<TLabel>, "Panel1", Bounds(272, 78, 70, 13), "Activité CPU :"},
    {"Shape3", Make<TPanel>, "Panel1", Bounds(272, 93, 60, 4)},
    {"BitBtn1", Make<TSkinButton>, "TabSheet1", Bounds(4, 228, 100, 25), "&Optimise!", "BOOST RAM MAINTENANT!"},
    {"BitBtn3", Make<TSkinButton>, "TabSheet1", Bounds(110, 228, 100, 25), "&Annuler", "ANNULER"},
    {"SkinButton4", Make<TSkinButton>, "TabSheet1", Bounds(216, 228, 132, 25), "&Quitter Torvane XP", QuitHint},

    // Paramètres
    {"RadioGroup1", Make<TGroupBox>, "TabSheet3", Bounds(4, 2, 178, 32), "Méthode"},
    {"RadioButton1", Make<TRadioButton>, "RadioGroup1", Bounds(8, 13, 62, 16), "Système", SystemMethodHint},
    {"RadioButton2", Make<TRadioButton>, "RadioGroup1", Bounds(72, 13, 58, 16), "Manuel", ManualMethodHint},
    {"RadioButton3", Make<TRadioButton>, "RadioGroup1", Bounds(132, 13, 42, 16), "Tout", AllMethodHint},
    {"GroupBox4", Make<TGroupBox>, "TabSheet3", Bounds(4, 36, 178, 80), "Propriétés de récupération "},
    {"CheckBox3", Make<TCheckBox>, "GroupBox4", Bounds(8, 16, 114, 17), "Niveau alarme en %", AlarmHint},
    {"SpinEdit1", Make<TSpinEdit>, "GroupBox4", Bounds(122, 12, 44, 21)},
    {"CheckBox5", Make<TCheckBox>, "GroupBox4", Bounds(8, 37, 92, 17), "Libère tous les ", IntervalHint},
    {"SpinEdit2", Make<TSpinEdit>, "GroupBox4", Bounds(100, 34, 44, 21)},
    {"Label3", Make<TLabel>, "GroupBox4", Bounds(147, 38, 20, 13), "min"},
    {"Label14", Make<TLabel>, "GroupBox4", Bounds(6, 60, 122, 13), "Charge CPU inférieure à", CeilingHint},
    {"SpinEdit3", Make<TSpinEdit>, "GroupBox4", Bounds(127, 56, 42, 21)},
    {"Label13", Make<TLabel>, "GroupBox4", Bounds(170, 60, 7, 13), "%"},
    {"GroupBox3", Make<TGroupBox>, "TabSheet3", Bounds(186, 2, 162, 104), "Options"},
    {"CheckBox1", Make<TCheckBox>, "GroupBox3", Bounds(8, 14, 150, 16), "Démarre avec Win ?", StartHint},
    {"CDechargeDll", Make<TCheckBox>, "GroupBox3", Bounds(8, 30, 150, 16), "Décharge Dll inutilisées", UnloadHint},
    {"CheckBox2", Make<TCheckBox>, "GroupBox3", Bounds(8, 46, 150, 16), "Toujours visible?", TopHint},
    {"Label5", Make<TLabel>, "GroupBox3", Bounds(8, 64, 150, 13), "Opacité ( Win2000 ou XP)"},
    {"TrackBar2", Make<TTrackBar>, "GroupBox3", Bounds(4, 77, 154, 24), "", "100%"},
    {"GroupBox1", Make<TGroupBox>, "TabSheet3", Bounds(4, 118, 228, 92), "Optimisations Windows "},
    {"FeatureList", Make<TListView>, "GroupBox1", Bounds(6, 14, 216, 74)},
    {"BitBtn5", Make<TSkinButton>, "TabSheet3", Bounds(238, 126, 110, 25), "&Optimise!", OptimiseWindowsHint},
    {"SkinButton2", Make<TSkinButton>, "TabSheet3", Bounds(238, 180, 110, 25), "&Enregistrer", SaveHint},
    {"GroupBox10", Make<TGroupBox>, "TabSheet3", Bounds(4, 212, 344, 46), "Nbre de Mo à essayer d'atteindre (méthode manuelle)"},
    {"TrackBar1", Make<TTrackBar>, "GroupBox10", Bounds(6, 14, 262, 28)},
    {"Label4", Make<TLabel>, "GroupBox10", Bounds(272, 22, 66, 13), "000000"},

    // Informations: the edition's pictures share one place, beside the lines
    // (their captions are what screen readers say of them);
    // a drive's line shows only its name until the drive can be read.
    {"GroupBox8", Make<TGroupBox>, "TabSheet5", Bounds(4, 2, 344, 222), "Informations système"},
    {"Label_version_os", Make<TLabel>, "GroupBox8", Bounds(10, 20, 256, 13)},
    {"Label_nom_machine", Make<TLabel>, "GroupBox8", Bounds(10, 44, 256, 13)},
    {"Label_nom_utilisateur", Make<TLabel>, "GroupBox8", Bounds(10, 68, 256, 13)},
    {"Label_ip_adresse", Make<TLabel>, "GroupBox8", Bounds(10, 92, 326, 13)},
    {"Label_disque_c", Make<TLabel>, "GroupBox8", Bounds(10, 116, 326, 13), "C:\\ : "},
    {"Label_disque_d", Make<TLabel>, "GroupBox8", Bounds(10, 140, 326, 13), "D:\\ : "},
    {"Label_ram", Make<TLabel>, "GroupBox8", Bounds(10, 164, 326, 13)},
    {"Label_cpu_speed", Make<TLabel>, "GroupBox8", Bounds(10, 188, 326, 13)},
    {"LogoWin95", Make<TImage>, "GroupBox8", Bounds(272, 18, 64, 64), "Windows 95"},
    {"LogoWin98", Make<TImage>, "GroupBox8", Bounds(272, 18, 64, 64), "Windows 98"},
    {"LogoWinNT", Make<TImage>, "GroupBox8", Bounds(272, 18, 64, 64), "Windows NT"},
    {"LogoWin2K", Make<TImage>, "GroupBox8", Bounds(272, 18, 64, 64), "Windows 2000"},
    {"LogoWinXP", Make<TImage>, "GroupBox8", Bounds(272, 18, 64, 64), "Windows XP"},
    {"SkinButton3", Make<TSkinButton>, "TabSheet5", Bounds(248, 230, 100, 25), "&Rafraichir", RefreshHint},

    // Processeur: the vendors' pictures share one place, right of the name.
    {"GroupBox6", Make<TGroupBox>, "TabSheet4", Bounds(4, 2, 344, 254), "Informations processeur"},
    {"Label6", Make<TLabel>, "GroupBox6", Bounds(8, 20, 62, 13), "Processeur :"},
    {"lblName", Make<TLabel>, "GroupBox6", Bounds(72, 20, 196, 13), "lblName"},
    {"LogoIntel", Make<TImage>, "GroupBox6", Bounds(272, 12, 64, 32), "Intel"},
    {"LogoAMD", Make<TImage>, "GroupBox6", Bounds(272, 12, 64, 32), "AMD"},
    {"LogoCyrix", Make<TImage>, "GroupBox6", Bounds(272, 12, 64, 32), "Cyrix"},
    {"Image10", Make<TImage>, "GroupBox6", Bounds(10, 42, 32, 32), "Processeur"},
    {"LblMMX", Make<TLabel>, "GroupBox6", Bounds(50, 40, 220, 13), "LblMMX"},
    {"lblSIMD", Make<TLabel>, "GroupBox6", Bounds(50, 54, 220, 13), "lblSIMD"},
    {"lbl3DNow", Make<TLabel>, "GroupBox6", Bounds(50, 68, 220, 13), "lbl3DNow"},
    {"Label7", Make<TLabel>, "GroupBox6", Bounds(8, 88, 84, 13), "Level 1 Code :"},
    {"lblL1Code", Make<TLabel>, "GroupBox6", Bounds(94, 88, 70, 13), "lblL1Code"},
    {"Label8", Make<TLabel>, "GroupBox6", Bounds(172, 88, 84, 13), "Level 1 Data :"},
    {"lblL1Data", Make<TLabel>, "GroupBox6", Bounds(258, 88, 78, 13), "lblL1Data"},
    {"Label9", Make<TLabel>, "GroupBox6", Bounds(8, 104, 84, 13), "Level 1 Unified :"},
    {"lblLevel1", Make<TLabel>, "GroupBox6", Bounds(94, 104, 70, 13), "lblLevel1"},
    {"Label10", Make<TLabel>, "GroupBox6", Bounds(172, 104, 84, 13), "Level 2 Unified :"},
    {"lblLevel2", Make<TLabel>, "GroupBox6", Bounds(258, 104, 78, 13), "lblLevel2"},
    {"ListView1", Make<TListView>, "GroupBox6", Bounds(8, 122, 328, 126)},

    // A propos de...
    {"GroupBox7", Make<TGroupBox>, "TabSheet2", Bounds(4, 2, 344, 252), "A propos de Torvane XP"},
    {"Label2", Make<TLabel>, "GroupBox7", Bounds(12, 18, 320, 80), AboutText},
    {"BoldLabel4", Make<TLabel>, "GroupBox7", Bounds(12, 110, 320, 13), WebAddress},
    {"Label11", Make<TLabel>, "GroupBox7", Bounds(12, 130, 320, 13), MailText.c_str()},
    {"SkinButton1", Make<TSkinButton>, "GroupBox7", Bounds(12, 216, 110, 25), "&Infos directs", NewsHint},
};
}  // namespace

std::span<const TLayoutRow> MainLayout() { return Rows; }
