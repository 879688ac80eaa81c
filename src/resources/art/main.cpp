// Draws every bitmap of the Zonepack library and writes them as PNG files into one folder.
// Usage: zonepack-artgen <output folder>

#include "ArtPalette.h"
#include "BrandArt.h"
#include "IconArt.h"
#include "PictureArt.h"
#include "ResBitmapCatalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const std::map<int, std::function<QImage()>> &artBook()
{
    static const std::map<int, std::function<QImage()>> book{
        {100, IconArt::smallImageMap},   {101, IconArt::smallZone},
        {102, PictureArt::browserGlobe}, {103, PictureArt::browserCompass},
        {105, IconArt::picture},         {106, IconArt::htmlPage},
        {107, IconArt::position},        {108, IconArt::circleCentre},
        {109, IconArt::dimensions},      {110, IconArt::radius},
        {111, IconArt::polygonPoints},   {112, IconArt::upDownArrows},
        {113, PictureArt::imageMap},     {114, PictureArt::zone},
        {115, PictureArt::assistant},    {1000, BrandArt::splashArtwork},
        {1001, BrandArt::splashTitle},   {1002, BrandArt::aboutBanner},
    };
    return book;
}

bool writeBitmap(const ResBitmapInfo &info, const QDir &folder)
{
    const auto drawing = artBook().find(info.id);
    if (drawing == artBook().end()) {
        std::fprintf(stderr, "no drawing for bitmap %d\n", info.id);
        return false;
    }
    QImage image = drawing->second();
    if (image.width() != info.width || image.height() != info.height) {
        std::fprintf(stderr, "bitmap %d drawn at the wrong size\n", info.id);
        return false;
    }
    if (info.bitsPerPixel == 4)
        image = ArtPalette::toSixteenColours(image);
    return image.save(folder.filePath(ResBitmapCatalog::fileName(info.id)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Text needs the font database, which needs an application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zonepack-artgen <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = folder.mkpath(QStringLiteral("."));
    for (const ResBitmapInfo &info : ResBitmapCatalog::all())
        ok = writeBitmap(info, folder) && ok;
    return ok ? 0 : 1;
}
