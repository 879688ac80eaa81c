#pragma once

#include "canvas/CanvasInteraction.h"

namespace areamaker {

// Idle or with a zone selected: a press picks a handle, the selected zone or the first zone
// under the pointer; hovering shows what a press would do.
class SelectInteraction : public CanvasInteraction
{
public:
    using CanvasInteraction::CanvasInteraction;

    void press(Point at) override;
    void move(Point at, bool leftHeld) override;

private:
    // The first handle under the pointer, or -1.
    int handleAt(Point at) const;
    bool startResize(Point at);
    bool startMove(Point at);
    void selectAt(Point at);
};

} // namespace areamaker
