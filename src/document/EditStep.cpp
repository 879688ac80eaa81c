#include "document/EditStep.h"

#include "document/MapDocument.h"

namespace areamaker {

EditStep::EditStep(MapDocument &document, EditKind kind) : mDocument(document)
{
    mDocument.history().open(kind);
}

EditStep::~EditStep()
{
    mDocument.history().close();
}

void EditStep::record(int mapIndex)
{
    mDocument.history().record(mapIndex);
}

void EditStep::touch(int mapIndex)
{
    record(mapIndex);
    mDocument.markMapModified(mapIndex);
}

void EditStep::recordActiveMap()
{
    if (mDocument.ActiveMapIndex != -1)
        record(mDocument.ActiveMapIndex);
}

void EditStep::touchActiveMap()
{
    if (mDocument.ActiveMapIndex != -1)
        touch(mDocument.ActiveMapIndex);
}

} // namespace areamaker
