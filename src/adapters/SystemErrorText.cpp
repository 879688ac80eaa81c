#include "adapters/SystemErrorText.h"

#include <cerrno>

namespace areamaker {

std::string systemErrorText(int number)
{
    switch (number) {
    case ENOENT:
        return "fichier ou dossier introuvable";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case EROFS:
        return "système de fichiers en lecture seule";
    case ENOSPC:
    case EDQUOT:
        return "disque plein";
    case EFBIG:
        return "fichier trop volumineux";
    case EISDIR:
        return "c'est un dossier";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG:
        return "nom de fichier trop long";
    case EIO:
        return "erreur d'entrée-sortie";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    case EBUSY:
    case ETXTBSY:
        return "fichier occupé";
    case EXDEV:
        return "déplacement entre deux systèmes de fichiers impossible";
    default:
        return "erreur système " + std::to_string(number);
    }
}

} // namespace areamaker
