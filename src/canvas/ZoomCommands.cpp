#include "canvas/ZoomCommands.h"

#include "canvas/CanvasModel.h"
#include "platform/CanvasSurfaces.h"

namespace areamaker {

Point ZoomCommands::middle() const
{
    const ImageSize view = mCanvas.workspace();
    return {view.width / 2, view.height / 2};
}

void ZoomCommands::toNextLevel(bool zoomIn, Point anchor)
{
    mCanvas.zoomTo(mCanvas.view().nextLevel(zoomIn), anchor);
}

void ZoomCommands::zoomIn()
{
    toNextLevel(true, middle());
}

void ZoomCommands::zoomOut()
{
    toNextLevel(false, middle());
}

void ZoomCommands::actualSize()
{
    mCanvas.zoomTo(1, middle());
}

void ZoomCommands::fitToWindow()
{
    mCanvas.zoomTo(ViewTransform::fitting(mCanvas.pictureSize(), mCanvas.workspace()), {0, 0});
}

void ZoomCommands::wheel(int notches, Point pointer)
{
    for (int i = 0; i < notches; ++i)
        toNextLevel(true, pointer);
    for (int i = 0; i > notches; --i)
        toNextLevel(false, pointer);
}

} // namespace areamaker
