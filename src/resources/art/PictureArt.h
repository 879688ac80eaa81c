#pragma once

#include <QImage>

// The larger pictures: browsers, the image map and zone icons and the assistant's picture.
namespace PictureArt {

QImage browserGlobe();   // 102
QImage browserCompass(); // 103
QImage imageMap();       // 113
QImage zone();           // 114
QImage assistant();      // 115

} // namespace PictureArt
