#pragma once

namespace areamaker {

// What kind of change an undo step is, which names it in the Edit menu.
enum class EditKind
{
    Trace,
    Move,
    Resize,
    Nudge,
    TypedValue,
    Properties,
    Paste,
    Cut,
    DeleteZone,
    DeleteDefaultRegion,
    DeleteMap,
    RenameMap,
    NewPicture,
    BringToFront,
    SendToBack,
    NewMap,
};

// The step's name after "Annuler " or "Rétablir ": "le traçage", "le déplacement"...
const char *editKindName(EditKind kind);

} // namespace areamaker
