#include "canvas/ScrollModel.h"

#include <algorithm>

namespace areamaker {

void ScrollModel::setWorkspace(ImageSize workspace, int horizontalBarHeight, int verticalBarWidth)
{
    mWorkspace = workspace;
    mHorizontalBarHeight = horizontalBarHeight;
    mVerticalBarWidth = verticalBarWidth;
}

void ScrollModel::setPicture(ImageSize picture)
{
    mPicture = picture;
    mOffsetX = mOffsetY = 0;
    mHorizontal = mVertical = {};
}

int ScrollModel::maximumFor(int over)
{
    // Rounded half to even, then one more step for the remainder.
    int steps = over / Step;
    const int rest = over % Step;
    if (rest * 2 > Step || (rest * 2 == Step && steps % 2 == 1))
        ++steps;
    return steps + (rest != 0 ? 1 : 0);
}

int ScrollModel::viewHeight() const
{
    return mWorkspace.height - (mHorizontal.visible ? mHorizontalBarHeight : 0);
}

int ScrollModel::viewWidth() const
{
    return mWorkspace.width - (mVertical.visible ? mVerticalBarWidth : 0);
}

ScrollModel::Layout ScrollModel::layOut()
{
    mHorizontal.visible = mPicture.width > mWorkspace.width;
    mVertical.visible = mPicture.height > viewHeight();
    mHorizontal.visible = mPicture.width > viewWidth();
    Layout layout;
    mVertical = layOutBar(mVertical.visible, mPicture.height - viewHeight(), mOffsetY, mVertical,
                          layout.verticalChanged);
    mHorizontal = layOutBar(mHorizontal.visible, mPicture.width - viewWidth(), mOffsetX,
                            mHorizontal, layout.horizontalChanged);
    layout.vertical = mVertical;
    layout.horizontal = mHorizontal;
    layout.cornerVisible = mVertical.visible && mHorizontal.visible;
    return layout;
}

ScrollBarState ScrollModel::layOutBar(bool needed, int over, int &offset, ScrollBarState bar,
                                      bool &changed)
{
    if (!needed) {
        offset = 0;
        return {};
    }
    const int maximum = maximumFor(over);
    if (offset == 0) {
        bar.value = 0;
    } else if (bar.value > maximum) {
        bar.value = maximum;
        changed = true;
    }
    bar.maximum = maximum;
    bar.visible = true;
    return bar;
}

int ScrollModel::stepShowing(bool vertical, int from, int to) const
{
    const ScrollBarState &bar = vertical ? mVertical : mHorizontal;
    if (!bar.visible)
        return 0;
    const int offset = vertical ? mOffsetY : mOffsetX;
    const int view = vertical ? viewHeight() : viewWidth();
    if (from >= offset && to <= offset + view)
        return bar.value;
    return std::clamp(from / Step, 0, bar.maximum);
}

ScrollBarState ScrollModel::scrolled(bool vertical, int value)
{
    ScrollBarState &bar = vertical ? mVertical : mHorizontal;
    const int picture = vertical ? mPicture.height : mPicture.width;
    const int view = vertical ? viewHeight() : viewWidth();
    int offset = Step * value;
    bar.value = value;
    if (picture - offset < view) {
        offset = picture - view;
        if (bar.value != bar.maximum)
            bar.maximum = bar.value;
    }
    (vertical ? mOffsetY : mOffsetX) = offset;
    return bar;
}

} // namespace areamaker
