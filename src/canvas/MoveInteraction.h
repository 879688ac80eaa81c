#pragma once

#include "canvas/CanvasInteraction.h"

namespace areamaker {

// Drags the selected zone by its inside, step by step with the pointer, kept in the picture.
class MoveInteraction : public CanvasInteraction
{
public:
    using CanvasInteraction::CanvasInteraction;

    void move(Point at, bool leftHeld) override;
    void release(Point at) override;
};

} // namespace areamaker
