#include "document/EditKind.h"

namespace areamaker {

const char *editKindName(EditKind kind)
{
    switch (kind) {
    case EditKind::Trace:
        return "le traçage";
    case EditKind::Move:
    case EditKind::Nudge:
        return "le déplacement";
    case EditKind::Resize:
        return "le redimensionnement";
    case EditKind::TypedValue:
        return "la saisie";
    case EditKind::Properties:
        return "la modification des propriétés";
    case EditKind::Paste:
        return "le collage";
    case EditKind::Cut:
        return "la coupe";
    case EditKind::DeleteZone:
        return "la suppression de la région";
    case EditKind::DeleteDefaultRegion:
        return "la suppression de la région par défaut";
    case EditKind::DeleteMap:
        return "la suppression de l'image map";
    case EditKind::RenameMap:
        return "le renommage de l'image map";
    case EditKind::NewPicture:
        return "le changement d'image";
    case EditKind::BringToFront:
        return "la mise au premier plan";
    case EditKind::SendToBack:
        return "la mise à l'arrière-plan";
    case EditKind::NewMap:
        return "la création de l'image map";
    }
    return "";
}

} // namespace areamaker
