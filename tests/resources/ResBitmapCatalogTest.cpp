#include "ResBitmapCatalog.h"

#include <QCryptographicHash>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QSet<QRgb> &sixteenColours()
{
    static const QSet<QRgb> colours{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return colours;
}

bool usesSixteenColours(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (!sixteenColours().contains(pixels.pixel(x, y)))
                return false;
    return true;
}

} // namespace

TEST(ResBitmapCatalog, EveryBitmapIsEmbeddedAtItsSize)
{
    const std::tuple<int, int, int> expected[] = {
        {100, 13, 11},    {101, 13, 11},   {102, 32, 32},  {103, 32, 32}, {105, 16, 16},
        {106, 16, 16},    {107, 16, 16},   {108, 16, 16},  {109, 16, 16}, {110, 16, 16},
        {111, 16, 16},    {112, 16, 28},   {113, 32, 32},  {114, 32, 32}, {115, 193, 234},
        {1000, 180, 189}, {1001, 156, 88}, {1002, 200, 60}};
    EXPECT_EQ(ResBitmapCatalog::all().size(), std::size(expected));
    for (auto [id, width, height] : expected) {
        const QImage image(ResBitmapCatalog::resourcePath(id));
        ASSERT_FALSE(image.isNull()) << "bitmap " << id;
        EXPECT_EQ(image.size(), QSize(width, height)) << "bitmap " << id;
        const auto info = ResBitmapCatalog::find(id);
        ASSERT_TRUE(info) << "bitmap " << id;
        if (info->bitsPerPixel == 4) {
            EXPECT_TRUE(usesSixteenColours(image)) << "bitmap " << id;
        }
    }
    for (int missing : {104, 0, -1, 116, 999})
        EXPECT_FALSE(ResBitmapCatalog::find(missing)) << "bitmap " << missing;
}

TEST(ResBitmapCatalog, EveryBitmapIsADistinctPicture)
{
    QSet<QByteArray> seen;
    for (const ResBitmapInfo &info : ResBitmapCatalog::all()) {
        const QImage image =
            QImage(ResBitmapCatalog::resourcePath(info.id)).convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()),
                                static_cast<qsizetype>(image.sizeInBytes()));
        const QByteArray digest = QCryptographicHash::hash(pixels, QCryptographicHash::Sha1);
        EXPECT_FALSE(seen.contains(digest)) << "bitmap " << info.id << " repeats another";
        seen.insert(digest);
        const int colours = [&image] {
            QSet<QRgb> found;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    found.insert(image.pixel(x, y));
            return static_cast<int>(found.size());
        }();
        EXPECT_GE(colours, 3) << "bitmap " << info.id << " is nearly blank";
    }
}
