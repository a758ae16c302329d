#include "app/MainLayout.h"

#include "controls/Spin.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Image.h"
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

namespace {
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

const TLayoutRow Rows[] = {
    {"Image2", Make<TImage>, nullptr, Bounds(0, 0, MainFormWidth, StripHeight)},
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
    {"BitBtn1", Make<TButton>, "TabSheet1", Bounds(4, 228, 100, 25), "&Optimise!", "BOOST RAM MAINTENANT!"},
    {"BitBtn3", Make<TButton>, "TabSheet1", Bounds(110, 228, 100, 25), "&Annuler", "ANNULER"},
    {"SkinButton4", Make<TButton>, "TabSheet1", Bounds(216, 228, 132, 25), "&Quitter Torvane XP", QuitHint},

    // Paramètres
    {"RadioGroup1", Make<TGroupBox>, "TabSheet3", Bounds(4, 2, 172, 66), "Méthode"},
    {"RadioButton1", Make<TRadioButton>, "RadioGroup1", Bounds(8, 15, 150, 16), "Système", SystemMethodHint},
    {"RadioButton2", Make<TRadioButton>, "RadioGroup1", Bounds(8, 31, 150, 16), "Manuel", ManualMethodHint},
    {"RadioButton3", Make<TRadioButton>, "RadioGroup1", Bounds(8, 47, 150, 16), "Tout", AllMethodHint},
    {"GroupBox10", Make<TGroupBox>, "TabSheet3", Bounds(4, 70, 344, 50), "Nbre de Mo à essayer d'atteindre (méthode manuelle)"},
    {"TrackBar1", Make<TTrackBar>, "GroupBox10", Bounds(6, 15, 262, 30)},
    {"Label4", Make<TLabel>, "GroupBox10", Bounds(272, 22, 66, 13), "000000"},
    {"GroupBox4", Make<TGroupBox>, "TabSheet3", Bounds(4, 122, 172, 92), "Propriétés de récupération "},
    {"CheckBox3", Make<TCheckBox>, "GroupBox4", Bounds(8, 17, 116, 17), "Niveau alarme en %", AlarmHint},
    {"SpinEdit1", Make<TSpinEdit>, "GroupBox4", Bounds(126, 14, 40, 22)},
    {"CheckBox5", Make<TCheckBox>, "GroupBox4", Bounds(8, 42, 94, 17), "Libère tous les ", IntervalHint},
    {"SpinEdit2", Make<TSpinEdit>, "GroupBox4", Bounds(102, 39, 44, 22)},
    {"Label3", Make<TLabel>, "GroupBox4", Bounds(148, 43, 20, 13), "min"},
    {"Label14", Make<TLabel>, "GroupBox4", Bounds(8, 68, 116, 13), "Charge CPU inférieure à", CeilingHint},
    {"SpinEdit3", Make<TSpinEdit>, "GroupBox4", Bounds(124, 64, 36, 22)},
    {"Label13", Make<TLabel>, "GroupBox4", Bounds(162, 68, 8, 13), "%"},

    // A propos de...
    {"Label2", Make<TLabel>, "TabSheet2", Bounds(16, 16, 320, 80), AboutText},
};
}  // namespace

std::span<const TLayoutRow> MainLayout() { return Rows; }
