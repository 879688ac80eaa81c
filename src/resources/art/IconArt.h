#pragma once

#include <QImage>

// The small icons, drawn pixel by pixel in the sixteen colours on the button-face grey.
namespace IconArt {

QImage smallImageMap(); // 100
QImage smallZone();     // 101
QImage picture();       // 105
QImage htmlPage();      // 106
QImage position();      // 107
QImage circleCentre();  // 108
QImage dimensions();    // 109
QImage radius();        // 110
QImage polygonPoints(); // 111
QImage upDownArrows();  // 112

} // namespace IconArt
