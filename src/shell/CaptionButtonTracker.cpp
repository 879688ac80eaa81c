#include "shell/CaptionButtonTracker.h"

namespace areamaker {

void CaptionButtonTracker::setPosition(int left, int top, int size)
{
    mRegion = Square{left, top, size};
}

bool CaptionButtonTracker::contains(int x, int y) const
{
    // Right and bottom edges are outside, as in a region built from a rectangle.
    return mRegion && x >= mRegion->left && x < mRegion->left + mRegion->size &&
           y >= mRegion->top && y < mRegion->top + mRegion->size;
}

CaptionButtonTracker::Response CaptionButtonTracker::press(int x, int y)
{
    if (!mVisible || !contains(x, y))
        return {};
    mPressed = true;
    return {PressedState, false};
}

CaptionButtonTracker::Response CaptionButtonTracker::release(int x, int y)
{
    if (!mVisible || !mPressed)
        return {};
    mPressed = false;
    return {NormalState, contains(x, y)};
}

} // namespace areamaker
