#pragma once

#include "platform/DrawingSurface.h"

namespace areamaker {

class CanvasModel;

// One way the pointer works on the picture (tracing, selecting, moving, resizing); the
// canvas editor hands each event of the current mode to one of them.
class CanvasInteraction
{
public:
    explicit CanvasInteraction(CanvasModel &canvas) : mCanvas(canvas) {}
    virtual ~CanvasInteraction() = default;
    CanvasInteraction(const CanvasInteraction &) = delete;
    CanvasInteraction &operator=(const CanvasInteraction &) = delete;

    virtual void press(Point) {}
    virtual void move(Point, bool) {}
    virtual void release(Point) {}

protected:
    CanvasModel &mCanvas;
};

} // namespace areamaker
