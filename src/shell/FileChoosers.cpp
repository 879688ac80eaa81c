#include "shell/FileChoosers.h"

#include "document/FileFilters.h"
#include "document/Paths.h"

namespace areamaker {

namespace {

// The assistant's choosers name the last entry in full.
constexpr const char *AnyFileFilter = "Tous les fichiers (*.*)|*.*|";

} // namespace

OpenFileRequest hyperlinkChooser(const std::string &initialFolder)
{
    return {FileFilters::links(), "Spécification d'un hyperlien", "htm", initialFolder};
}

OpenFileRequest imageChooser(const std::string &initialFolder, bool allFiles)
{
    return {allFiles ? FileFilters::images() : FileFilters::pictures(), "Choisir une image", "gif",
            initialFolder};
}

OpenFileRequest pageChooser(const std::string &title, const std::string &initialFolder)
{
    return {std::string("Page web  (*.htm; *.html)|*.htm;*.html|") + AnyFileFilter, title, "htm",
            initialFolder};
}

OpenFileRequest assistantImageChooser(const std::string &initialFolder)
{
    return {FileFilters::pictures() + AnyFileFilter, "Ouvrir une image", "gif", initialFolder};
}

std::string unreadablePictureText(const std::string &path, PathStyle style)
{
    return "'" + shownPath(path, style) +
           "'\n\nLe format de l'image sélectionnée est invalide ou le fichier est endommagé.";
}

} // namespace areamaker
