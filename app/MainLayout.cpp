#include "app/MainLayout.h"

#include "ui/Image.h"
#include "ui/StdControls.h"

namespace {
constexpr int StripHeight = 25;  // the caption strip across the top

const char* const AboutText =
    "Torvane XP\r\n"
    "Moniteur et optimiseur de mémoire vive\r\n"
    "\r\n"
    "Version : ";

const char* const QuitHint =
    "QUITTER TORVANE XP\r\n"
    "=====================\r\n"
    "Vous êtes sur le point de \r\n"
    "fermer Torvane XP.";

const TLayoutRow Rows[] = {
    {"Image2", Make<TImage>, nullptr, Bounds(0, 0, MainFormWidth, StripHeight)},
    {"Memoire", Make<TPageControl>, nullptr, Bounds(0, StripHeight, MainFormWidth, MainFormHeight - StripHeight)},
    {"TabSheet1", Make<TTabSheet>, "Memoire", {}, "Système"},
    {"TabSheet3", Make<TTabSheet>, "Memoire", {}, "Paramètres"},
    {"TabSheet5", Make<TTabSheet>, "Memoire", {}, "Informations"},
    {"TabSheet4", Make<TTabSheet>, "Memoire", {}, "Processeur"},
    {"TabSheet2", Make<TTabSheet>, "Memoire", {}, "A propos de..."},
    // Système
    {"SkinButton4", Make<TButton>, "TabSheet1", Bounds(216, 224, 128, 25), "&Quitter Torvane XP", QuitHint},
    // A propos de...
    {"Label2", Make<TLabel>, "TabSheet2", Bounds(16, 16, 320, 80), AboutText},
};
}  // namespace

std::span<const TLayoutRow> MainLayout() { return Rows; }
