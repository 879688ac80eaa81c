#pragma once

#include <QImage>

// A small village seen from above: the page's second map traces its buildings.
class VillagePicture
{
public:
    static constexpr int Width = 400;
    static constexpr int Height = 300;

    static QImage draw();
};
