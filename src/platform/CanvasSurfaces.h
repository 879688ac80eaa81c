#pragma once

#include "platform/DrawingSurface.h"

#include <string>

namespace areamaker {

// The canvas's three pictures: the picture as loaded, the back buffer on which zones are
// drawn, and the visible surface. The last two hold the block of the view in sight, in view
// pixels (the picture as zoomed), and are addressed in view pixels.
class CanvasSurfaces
{
public:
    virtual ~CanvasSurfaces() = default;
    // Loads the picture file; false when it cannot.
    virtual bool loadPicture(const std::string &path) = 0;
    // Gives the back buffer and the visible surface the block of the view at `origin`.
    virtual void placeView(Point origin, ImageSize size) = 0;
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
    // The pointer shown over the picture, by code (0 default, 2 cross, 6 to 9 sizes,
    // 15 move, 99 the program's own).
    virtual void setMousePointer(int code) = 0;
    virtual int mousePointer() const = 0;
    // A disabled picture ignores the mouse.
    virtual void setPictureEnabled(bool enabled) = 0;
    // Starts the one-shot timer that follows a traced zone.
    virtual void startAutoPropTimer() = 0;
    // Moves the scroll bars to these steps, as the user would.
    virtual void scrollTo(int horizontalStep, int verticalStep) = 0;
};

} // namespace areamaker
