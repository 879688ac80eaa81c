#pragma once

namespace areamaker {

class MapDocument;
class MessageBoxPort;

// The check every command that changes a map makes first. A read-only map (its block holds
// markup that a regenerated block would lose) can be shown, selected and previewed, but
// every edit of it is refused with a message that names the reason.
class MapEditGuard
{
public:
    // Whether map `mapIndex` may be changed; when it may not, tells the user why and
    // returns false. An index naming no map allows the command (it has nothing to guard).
    static bool allows(const MapDocument &document, int mapIndex, MessageBoxPort &messages);
};

} // namespace areamaker
