#include "shell/SplitterDrag.h"

#include "shell/PaneLayout.h"

namespace areamaker {

namespace {

constexpr int Band = 90;
constexpr int BarThickness = 4;
constexpr int MinimumWidth = 1995;
constexpr int MinimumSection = 1260;

int limitedPixels(int twips, int lowest, int highest)
{
    if (twips < lowest)
        return lowest / TwipsPerPixel;
    if (twips > highest)
        return highest / TwipsPerPixel;
    return twips / TwipsPerPixel;
}

} // namespace

SplitterDrag::Kind SplitterDrag::kindAt(int x, int y, const Pane &pane)
{
    if (x >= pane.width - Band)
        return Width;
    if (pane.bothSections && y >= pane.explorateurHeight && y < pane.explorateurHeight + Band)
        return Height;
    return None;
}

bool SplitterDrag::press(int x, int y, const Pane &pane)
{
    if (mKind != None)
        return false;
    mKind = kindAt(x, y, pane);
    if (mKind == Width)
        mBar = pane.width / TwipsPerPixel - BarThickness;
    else if (mKind == Height)
        mBar = pane.explorateurHeight / TwipsPerPixel;
    return mKind != None;
}

int SplitterDrag::move(int x, int y, const Pane &pane)
{
    if (mKind == Width)
        mBar = limitedPixels(x, MinimumWidth, pane.windowInnerWidth - MinimumWidth);
    else if (mKind == Height)
        mBar = limitedPixels(y, MinimumSection, pane.innerHeight - MinimumSection);
    return mBar;
}

int SplitterDrag::release()
{
    const Kind ended = mKind;
    mKind = None;
    return ended == Width ? (mBar + BarThickness) * TwipsPerPixel : mBar * TwipsPerPixel;
}

} // namespace areamaker
