#pragma once

#include "canvas/TraceInteraction.h"

namespace areamaker {

// Traces a rectangle by two clicks on opposite corners, kept in the order clicked.
class RectangleTrace : public TraceInteraction
{
public:
    using TraceInteraction::TraceInteraction;

protected:
    std::int16_t shape() const override;
    Texts texts() const override;
    void click(Point at) override;
    void track(Point at) override;
    bool tracesByDragging() const override { return true; }
};

} // namespace areamaker
