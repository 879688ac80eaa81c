#pragma once

#include "canvas/CanvasInteraction.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace areamaker {

class Zone;

// What every tracing shares: starting and cancelling, the pointer position in the grid,
// the dotted outlines, and turning the clicked points into a selected zone of the map.
// Rectangles and circles can also be traced by dragging from the first point to the second.
class TraceInteraction : public CanvasInteraction
{
public:
    using CanvasInteraction::CanvasInteraction;

    void begin();
    // Leaves the tracing in progress without creating anything.
    void abandon();

    void press(Point at) override;
    void move(Point at, bool leftHeld) override;
    void release(Point at) override;

protected:
    struct Texts
    {
        const char *status;
        const char *toolKey;
    };
    virtual std::int16_t shape() const = 0;
    virtual Texts texts() const = 0;
    virtual void click(Point at) = 0;
    virtual void track(Point at) = 0;
    // Whether a drag from the first point to the second traces the shape.
    virtual bool tracesByDragging() const { return false; }

    // A dotted (or solid) outline from a to b, drawn on the back buffer.
    Zone outline(Point a, Point b, std::int16_t shape);
    // Appends the traced zone to the map, selected, and tells every view.
    void complete(const std::vector<Point> &points);

private:
    Zone makeZone(std::int16_t kind, std::int16_t shape, const std::vector<Point> &points);
    bool roomForZone();
    void announceNewZone(int index);
    // A drag releases on its second point; one released where it began waits for a click.
    void endDrag(Point at);

    // Where the left button went down before the first point, and whether the pointer has
    // left it since with the button held.
    std::optional<Point> mPressedAt;
    bool mDragging = false;
};

} // namespace areamaker
