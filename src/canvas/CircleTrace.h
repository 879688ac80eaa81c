#pragma once

#include "canvas/TraceInteraction.h"

namespace areamaker {

// Traces a circle by a click on its centre, marked by a small cross, then one on its edge.
class CircleTrace : public TraceInteraction
{
public:
    using TraceInteraction::TraceInteraction;

    // The distance from the centre to the pointer, rounded half to even.
    static std::int64_t radius(Point centre, Point at);

protected:
    std::int16_t shape() const override;
    Texts texts() const override;
    void click(Point at) override;
    void track(Point at) override;
    bool tracesByDragging() const override { return true; }

private:
    static constexpr std::int16_t CentrePlaced = 3;
    std::vector<Point> box(Point at) const;
};

} // namespace areamaker
