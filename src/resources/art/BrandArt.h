#pragma once

#include <QImage>

// The product's artwork: the logo, the splash pictures and the about banner, all naming Areamaker.
namespace BrandArt {

QImage splashArtwork(); // 1000
QImage splashTitle();   // 1001
QImage aboutBanner();   // 1002

} // namespace BrandArt
