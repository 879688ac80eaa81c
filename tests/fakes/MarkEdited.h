#pragma once

#include "document/EditStep.h"
#include "document/MapDocument.h"

namespace areamaker::testing {

// Marks a map modified as an edit of it would, through an undo step of its own.
inline void markEdited(MapDocument &document, int mapIndex)
{
    EditStep step(document, EditKind::TypedValue);
    step.touch(mapIndex);
}

} // namespace areamaker::testing
