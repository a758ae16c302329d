#include "app/CommandLine.h"

#include <cctype>
#include <vector>

namespace {
// Blank-separated words; double quotes group blanks into a word and go.
std::vector<std::string> Words(std::string_view Text) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : Text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

// "/Name" or "-Name", in any case.
bool IsOption(const std::string& Word, std::string_view Name) {
    if (Word.size() != Name.size() + 1 || (Word[0] != '/' && Word[0] != '-')) return false;
    for (size_t i = 0; i < Name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(Word[i + 1])) != Name[i]) return false;
    return true;
}

// Whole megabytes from 1 up, decimal digits only; 0 when it is none.
int Megabytes(const std::string& Word) {
    if (Word.empty() || Word.size() > 9) return 0;
    int value = 0;
    for (char c : Word) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}
}  // namespace

TCommandLine ParseCommandLine(std::string_view Arguments) {
    const std::vector<std::string> words = Words(Arguments);
    if (words.empty()) return {cmStart};
    if (words.size() == 1 && IsOption(words[0], "?")) return {cmUsage};
    if (!IsOption(words[0], "optimise") || words.size() > 2) return {cmBadOption};
    if (words.size() == 1) return {cmOptimise};
    const int megabytes = Megabytes(words[1]);
    return megabytes > 0 ? TCommandLine{cmOptimise, megabytes} : TCommandLine{cmBadOption};
}

const char* const UsageText =
    "Torvane XP depuis la ligne de commande ou le planificateur de tâches :\r\n\r\n"
    "TorvaneXP.exe /optimise\r\n"
    "        une optimisation par la méthode enregistrée\r\n"
    "TorvaneXP.exe /optimise N\r\n"
    "        une optimisation de N MB par la méthode manuelle\r\n\r\n"
    "Les options s'écrivent aussi avec « - », en majuscules comme en minuscules. "
    "Aucune fenêtre ne s'ouvre ; si Torvane XP est déjà lancé, c'est lui qui optimise.\r\n\r\n"
    "Code de sortie : 0 optimisation terminée, 1 annulée ou en échec, 2 option incorrecte.";
