#include "shell/PaneLayout.h"

namespace areamaker {

namespace {

constexpr int MinimumSection = 1260;
// Room above each section for its header strip.
constexpr int HeaderHeight = 300;

int clampedSectionHeight(int height, int paneHeight)
{
    if (height > paneHeight - MinimumSection)
        height = paneHeight - MinimumSection;
    if (height < MinimumSection)
        height = MinimumSection;
    return height;
}

} // namespace

PaneLayout PaneLayout::DimensionForm(const Input &in)
{
    PaneLayout out;
    out.explorateurHeight = in.explorateurHeight;
    const int areaHeight = in.height - (in.statusHeight + in.top);
    if (!in.zoneExplorer && !in.zoneProperties) {
        out.workspace = {10, in.top, in.width - 10, areaHeight, true};
        return out;
    }
    const bool both = in.zoneExplorer && in.zoneProperties;
    const int paneWidth = in.explorateurWidth;
    out.pane = {0, in.top, paneWidth, areaHeight, true};
    if (both)
        out.explorateurHeight = clampedSectionHeight(in.explorateurHeight, areaHeight);
    if (in.zoneExplorer) {
        const int tabsHeight = (both ? out.explorateurHeight : areaHeight) - 330;
        out.tabs = {45, HeaderHeight, paneWidth - 105, tabsHeight, true};
        out.tree = {105, HeaderHeight + 380, paneWidth - 220, tabsHeight - 440, true};
    }
    if (in.zoneProperties) {
        const int top = both ? out.explorateurHeight + 390 : HeaderHeight;
        const int height = both ? areaHeight - (out.explorateurHeight + 450) : areaHeight - 360;
        out.list = {50, top, paneWidth - 100, height, true};
    }
    const int left = paneWidth + 20;
    out.workspace = {left, in.top, in.width - left, areaHeight, true};
    out.explorerPressed = true;
    return out;
}

} // namespace areamaker
