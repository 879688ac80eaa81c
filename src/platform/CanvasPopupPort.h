#pragma once

#include "platform/DrawingSurface.h"

namespace areamaker {

// The canvas's pop-up menu, its items addressed by number.
class CanvasPopupPort
{
public:
    virtual ~CanvasPopupPort() = default;
    virtual void setPopupItemVisible(int item, bool visible) = 0;
    virtual void setPopupItemEnabled(int item, bool enabled) = 0;
    // Opens the menu at a point of the picture, in picture pixels.
    virtual void showCanvasPopup(Point at) = 0;
};

} // namespace areamaker
