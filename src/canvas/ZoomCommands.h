#pragma once

#include "platform/DrawingSurface.h"

namespace areamaker {

class CanvasModel;

// The Affichage menu and Ctrl+wheel: zoom in and out by levels from 1/8 to 16, actual
// size, and the whole picture fitted to the window.
class ZoomCommands
{
public:
    explicit ZoomCommands(CanvasModel &canvas) : mCanvas(canvas) {}

    // About the middle of the view.
    void zoomIn();
    void zoomOut();
    void actualSize();
    void fitToWindow();
    // Wheel notches with Ctrl held, about the pointer (workspace pixels): up zooms in.
    void wheel(int notches, Point pointer);

private:
    Point middle() const;
    void toNextLevel(bool zoomIn, Point anchor);

    CanvasModel &mCanvas;
};

} // namespace areamaker
