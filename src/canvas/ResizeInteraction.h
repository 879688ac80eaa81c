#pragma once

#include "canvas/CanvasInteraction.h"

namespace areamaker {

class Zone;

// Drags a handle of the selected zone: a rectangle's corner, a circle's side (about its
// centre) or a polygon's vertex; the zone is brought back inside the picture on release.
class ResizeInteraction : public CanvasInteraction
{
public:
    using CanvasInteraction::CanvasInteraction;

    void move(Point at, bool leftHeld) override;
    void release(Point at) override;

private:
    void resizeRectangle(Zone &zone, int handle, Point at);
    void resizeCircle(Zone &zone, int handle, Point at);
    void resizePolygon(Zone &zone, int handle, Point at);
};

} // namespace areamaker
