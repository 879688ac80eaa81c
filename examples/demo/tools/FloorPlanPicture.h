#pragma once

#include <QImage>

// The floor plan of a small house: the page's first map traces its rooms.
class FloorPlanPicture
{
public:
    static constexpr int Width = 480;
    static constexpr int Height = 320;

    static QImage draw();
};
