#pragma once

#include "platform/ImageProbe.h"

#include <cstdint>

namespace areamaker {

// One scroll bar as the canvas sets it.
struct ScrollBarState
{
    bool visible = false;
    int value = 0;
    int maximum = 0;
    bool operator==(const ScrollBarState &) const = default;
};

// The canvas scrolls its picture in steps of 20 pixels inside the workspace; the last step
// stops with the picture's far edge exactly on the view's edge.
class ScrollModel
{
public:
    static constexpr int Step = 20;

    struct Layout
    {
        ScrollBarState horizontal;
        ScrollBarState vertical;
        bool cornerVisible = false;
        // A bar whose value had to come down must have its change handled.
        bool horizontalChanged = false;
        bool verticalChanged = false;
    };

    void setWorkspace(ImageSize workspace, int horizontalBarHeight, int verticalBarWidth);
    void setPicture(ImageSize picture);

    // The layout pass: which bars are needed and their maxima.
    Layout layOut();
    // A bar moved to `value`: the new offset; the bar's maximum may shrink to `value`.
    ScrollBarState scrolled(bool vertical, int value);

    // The step that brings the span from..to (picture pixels) into the view, or the current
    // one when it is in sight already; a span longer than the view shows its start.
    int stepShowing(bool vertical, int from, int to) const;

    int offsetX() const { return mOffsetX; }
    int offsetY() const { return mOffsetY; }
    ImageSize workspace() const { return mWorkspace; }
    // Maximum step over a picture `over` pixels larger than the view.
    static int maximumFor(int over);

private:
    int viewHeight() const;
    int viewWidth() const;
    ScrollBarState layOutBar(bool needed, int over, int &offset, ScrollBarState bar, bool &changed);

    ImageSize mWorkspace;
    ImageSize mPicture;
    int mHorizontalBarHeight = 0;
    int mVerticalBarWidth = 0;
    int mOffsetX = 0;
    int mOffsetY = 0;
    ScrollBarState mHorizontal;
    ScrollBarState mVertical;
};

} // namespace areamaker
