#include "document/MapEditGuard.h"

#include "document/MapDocument.h"
#include "platform/MessageBoxPort.h"

namespace areamaker {

bool MapEditGuard::allows(const MapDocument &document, int mapIndex, MessageBoxPort &messages)
{
    if (mapIndex < 0 || mapIndex >= document.MapCount())
        return true;
    const ImageMap &map = document.Maps[static_cast<std::size_t>(mapIndex)];
    if (!map.isReadOnly())
        return true;
    messages.show({"La map « " + document.Encoding.decode(map.Name) +
                       " » est en lecture seule : " + map.ReadOnlyReason +
                       ".\n\nL'éditeur la montre sans la modifier et l'enregistre telle "
                       "qu'elle est dans la page ; modifiez ce bloc dans un éditeur de texte.",
                   "Erreur", MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
}

} // namespace areamaker
