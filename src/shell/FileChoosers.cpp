#include "shell/FileChoosers.h"

#include "document/AsciiText.h"

namespace areamaker {

namespace {

constexpr const char *PageFilter = "Pages web  (*.htm; *.html)|*.htm;*.html|";
constexpr const char *ImageFilter =
    "Images  (*.gif; *.jpg; *.jpeg; *.png; *.bmp; *.webp)|*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.webp|";
constexpr const char *AllFilesFilter = "Tous  (*.*)|*.*|";
constexpr const char *AnyFileFilter = "Tous les fichiers (*.*)|*.*|";

} // namespace

OpenFileRequest hyperlinkChooser(const std::string &initialFolder)
{
    return {std::string(PageFilter) + ImageFilter + AllFilesFilter, "Spécification d'un hyperlien",
            "htm", initialFolder};
}

OpenFileRequest imageChooser(const std::string &initialFolder, bool allFiles)
{
    return {std::string(ImageFilter) + (allFiles ? AllFilesFilter : ""), "Choisir une image", "gif",
            initialFolder};
}

OpenFileRequest pageChooser(const std::string &title, const std::string &initialFolder)
{
    return {std::string("Page web  (*.htm; *.html)|*.htm;*.html|") + AnyFileFilter, title, "htm",
            initialFolder};
}

OpenFileRequest assistantImageChooser(const std::string &initialFolder)
{
    return {std::string(ImageFilter) + AnyFileFilter, "Ouvrir une image", "gif", initialFolder};
}

std::string unreadablePictureText(const std::string &path)
{
    return "'" + toUpperAscii(path) +
           "'\n\nLe format de l'image sélectionnée est invalide ou le fichier est endommagé.";
}

} // namespace areamaker
