#pragma once

namespace areamaker {

// The side pane's two splitters: its right edge (the pane's width) and the band between
// its sections (the explorer section's height). Positions in are twips of the pane, bar
// positions out are pixels.
class SplitterDrag
{
public:
    enum Kind
    {
        None = 0,
        Height = 1,
        Width = 2
    };

    struct Pane
    {
        int width = 0;       // the pane's width
        int innerHeight = 0; // its inner height
        int explorateurHeight = 0;
        bool bothSections = true;
        int windowInnerWidth = 0; // the main window's, bounding the width drag
    };

    // Which splitter lies under a pane point.
    static Kind kindAt(int x, int y, const Pane &pane);

    // Starts a drag when the press is on a splitter; false otherwise.
    bool press(int x, int y, const Pane &pane);
    // The bar's new position for the pointer, kept inside the limits.
    int move(int x, int y, const Pane &pane);
    // Ends the drag: the new pane width or section height in twips.
    int release();

    Kind kind() const { return mKind; }
    int barPosition() const { return mBar; }

private:
    Kind mKind = None;
    int mBar = 0;
};

} // namespace areamaker
