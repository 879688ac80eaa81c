#pragma once

#include "platform/DrawingSurface.h"
#include "platform/ImageProbe.h"

#include <string>

namespace areamaker {

// The canvas's three pictures: the picture as loaded, the back buffer on which zones are
// drawn, and the visible surface; the last two always have the picture's size.
class CanvasSurfaces
{
public:
    virtual ~CanvasSurfaces() = default;
    // Loads the picture file and sizes the other two surfaces to it; false when it cannot.
    virtual bool loadPicture(const std::string &path) = 0;
    virtual void clearPicture() = 0;
    virtual ImageSize pictureSize() const = 0;
    virtual DrawingSurface &picture() = 0;
    virtual DrawingSurface &backBuffer() = 0;
    virtual DrawingSurface &visible() = 0;
};

// What the canvas asks of the window around it.
class CanvasHost
{
public:
    virtual ~CanvasHost() = default;
    // Runs the main window's layout pass, which recomputes the scroll bars.
    virtual void layOut() = 0;
    virtual void repaintWorkspace() = 0;
    // Starts the one-shot deferred redraw.
    virtual void startRedrawTimer() = 0;
};

} // namespace areamaker
