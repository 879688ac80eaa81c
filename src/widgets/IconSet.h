#pragma once

#include <QIcon>

class QPainter;

namespace areamaker {

// The command images shared by the menus and the toolbar, drawn in one style at
// 16 pixels and twice that.
class IconSet
{
public:
    static constexpr int Count = 18;

    enum Image
    {
        New,
        Open,
        Save,
        Browser,
        Cut,
        Copy,
        Paste,
        Explorer,
        Selection,
        Rectangle,
        Circle,
        Polygon,
        Properties,
        Delete,
        Settings,
        Help,
        Undo,
        Redo,
    };

    static QIcon icon(int image);
    // Draws the image on a 16-unit square.
    static void paint(QPainter &painter, int image);
};

} // namespace areamaker
