#pragma once

#include "canvas/CircleTrace.h"
#include "canvas/MoveInteraction.h"
#include "canvas/PolygonTrace.h"
#include "canvas/RectangleTrace.h"
#include "canvas/ResizeInteraction.h"
#include "canvas/SelectInteraction.h"

namespace areamaker {

class CanvasModel;

// Keys the main window gives a canvas meaning.
enum CanvasKey : int
{
    KeyTab = 9,
    KeyEscape = 27,
    KeyDelete = 46
};

// The editing side of the canvas: hands the pointer's events to the interaction of the
// current mode, starts and cancels tracing, and handles the canvas keys.
class CanvasEditor
{
public:
    explicit CanvasEditor(CanvasModel &canvas);

    void BeginTrace(int shape);
    void CancelTrace();

    void leftPress(Point at);
    void mouseMove(Point at, bool leftHeld);
    void leftRelease(Point at);
    // The pointer left the picture: the status bar stops showing where it is.
    void pointerLeft();

    // The main window's key-down; true when the key is consumed.
    bool keyDown(int key, bool textBoxFocused);
    void SelectNextZone();
    // An arrow key: the selected zone moves by (dx, dy) image pixels, kept inside the
    // picture; presses in a row are one undo step.
    void nudge(int dx, int dy);

private:
    TraceInteraction *tracer(int shape);
    // The pointer's image position in the status bar, and the zone's size while dragged.
    void showPointer(Point at);
    CanvasInteraction *current();

    CanvasModel &mCanvas;
    RectangleTrace mRectangle;
    CircleTrace mCircle;
    PolygonTrace mPolygon;
    SelectInteraction mSelect;
    MoveInteraction mMove;
    ResizeInteraction mResize;
};

} // namespace areamaker
