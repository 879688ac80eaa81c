#pragma once

#include "document/EditKind.h"

namespace areamaker {

class MapDocument;

// One change of the document as the user sees it, from its start to its end: every map
// it touches is recorded before it changes, and the outermost step still open when a
// change ends becomes one undo step. Marking a map modified goes only through here.
class EditStep
{
public:
    EditStep(MapDocument &document, EditKind kind);
    ~EditStep();
    EditStep(const EditStep &) = delete;
    EditStep &operator=(const EditStep &) = delete;

    // The map is about to change: recorded as it stands.
    void record(int mapIndex);
    // Recorded, and marked modified with the document.
    void touch(int mapIndex);
    // The same for the active map, when there is one.
    void recordActiveMap();
    void touchActiveMap();

private:
    MapDocument &mDocument;
};

} // namespace areamaker
