#pragma once

namespace areamaker {

inline constexpr int TwipsPerPixel = 15;

// A control's place in its parent, in twips.
struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool operator==(const TwipRect &) const = default;
};

// The main window's layout pass: the side pane with its two sections, and the canvas area.
struct PaneLayout
{
    struct Input
    {
        int width = 0;  // the client area's inner width
        int height = 0; // and height
        int top = 0;    // below the menu and toolbar bands
        int statusHeight = 0;
        bool zoneExplorer = true;
        bool zoneProperties = true;
        int explorateurWidth = 2960;
        int explorateurHeight = 5000;
    };

    TwipRect pane;
    TwipRect tabs;
    TwipRect tree;
    TwipRect list;
    TwipRect workspace;
    // The toolbar's "Explorateur" button follows whether the pane is shown.
    bool explorerPressed = false;
    // The section height after the clamp that keeps both sections usable.
    int explorateurHeight = 0;

    static PaneLayout DimensionForm(const Input &in);
};

} // namespace areamaker
