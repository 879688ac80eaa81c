#pragma once

#include "canvas/TraceInteraction.h"

namespace areamaker {

// Traces a polygon one vertex per click; a click near the first vertex closes it, or
// abandons it when it has fewer than three vertices.
class PolygonTrace : public TraceInteraction
{
public:
    using TraceInteraction::TraceInteraction;

    // Closer than this on both axes to the first vertex, a click closes the polygon.
    static constexpr int CloseDistance = 8;

protected:
    std::int16_t shape() const override;
    Texts texts() const override;
    void click(Point at) override;
    void track(Point at) override;

private:
    void addVertex(Point at);
    void close();
};

} // namespace areamaker
