#include "ResStringTable.h"

#include <algorithm>
#include <array>

namespace {

struct Entry
{
    int id;
    const char *text;
};

// Texts are kept word for word as the editor has always shown them.
constexpr std::array kEntries{
    Entry{17, "Tous caractères accentués ont été endodés."},
    Entry{18, "Tous caractères accentués ont été dédodés."},
    Entry{21, "Votre document HTML ne respecte pas la structure de base requise pour utiliser la "
              "fonction «Auteur/Date de révision» de Norvique."},
    Entry{22, "Pour remédier à la situation passez le fichier au Vérificateur HTML, ou vérifier la "
              "présence des codes de base: <HTML>, <BODY>, etc."},
    Entry{23,
          "Consultez la rubrique d'aide «Structure d'une page Web» pour de plus amples détails."},
};

} // namespace

namespace ResStringTable {

QString text(int id)
{
    const auto *found = std::find_if(kEntries.begin(), kEntries.end(),
                                     [id](const Entry &entry) { return entry.id == id; });
    return found == kEntries.end() ? QString() : QString::fromUtf8(found->text);
}

} // namespace ResStringTable
