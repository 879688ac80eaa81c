#include "ResLoader.h"
#include "ResBitmapCatalog.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QRgb kBackground = qRgb(255, 0, 255);
const QRgb kFace = qRgb(192, 192, 192);
const QRgb kShadow = qRgb(128, 128, 128);

QImage bitmap(int id)
{
    return QImage(ResBitmapCatalog::resourcePath(id)).convertToFormat(QImage::Format_RGB32);
}

// Draws with the given call onto a 60 by 60 magenta target and returns the target.
QImage drawOnTarget(const std::function<bool(QPainter *)> &draw, bool *drawn = nullptr)
{
    QImage target(60, 60, QImage::Format_RGB32);
    target.fill(kBackground);
    QPainter painter(&target);
    const bool result = draw(&painter);
    painter.end();
    if (drawn)
        *drawn = result;
    return target;
}

// What the target shows at (left, top) over the bitmap's area.
QImage drawnPart(const QImage &target, int id, QPoint at)
{
    return target.copy(QRect(at, bitmap(id).size()));
}

// The bitmap with each pixel of one colour turned into another.
QImage recoloured(int id, const std::vector<std::pair<QRgb, QRgb>> &changes)
{
    const QImage original = bitmap(id);
    QImage image = original;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            for (auto [from, to] : changes)
                if (original.pixel(x, y) == from)
                    image.setPixel(x, y, to);
    return image;
}

int countOutside(const QImage &target, const QRect &area, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            count += !area.contains(x, y) && target.pixel(x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

TEST(ResLoader, DrawsTheWholeBitmapAtItsPlaceAndNothingElse)
{
    const ResLoader loader;
    bool drawn = false;
    const QImage target = drawOnTarget(
        [&](QPainter *painter) {
            painter->setCompositionMode(QPainter::CompositionMode_Xor);
            return loader.LoadResBitmap(painter, 105, 7, 11);
        },
        &drawn);
    EXPECT_TRUE(drawn);
    EXPECT_EQ(drawnPart(target, 105, {7, 11}), bitmap(105));
    const QRect area(7, 11, 16, 16);
    EXPECT_EQ(countOutside(target, area, kBackground), 60 * 60 - 16 * 16);
}

TEST(ResLoader, UnknownIdsAndUnusablePaintersDrawNothing)
{
    const ResLoader loader;
    for (int id : {104, 0, -1, 116, 99999}) {
        bool drawn = true;
        const QImage target = drawOnTarget(
            [&](QPainter *painter) { return loader.LoadResBitmap(painter, id, 0, 0); }, &drawn);
        EXPECT_FALSE(drawn) << "bitmap " << id;
        EXPECT_EQ(countOutside(target, QRect(), kBackground), 60 * 60) << "bitmap " << id;
    }
    EXPECT_FALSE(loader.LoadResBitmap(nullptr, 105, 0, 0));
    EXPECT_FALSE(loader.LoadRes3DBitmap(nullptr, 105, 0, 0));
    QPainter inactive;
    EXPECT_FALSE(loader.LoadResTransparentBitmap(&inactive, 105, 0, 0, kFace, kShadow));
}

TEST(ResLoader, ThreeDColoursFollowThePalette)
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(10, 200, 30));
    palette.setColor(QPalette::Dark, QColor(40, 10, 90));
    palette.setColor(QPalette::Midlight, QColor(250, 240, 200));
    QGuiApplication::setPalette(palette);
    const ResLoader loader;
    for (int id : {105, 112, 102}) {
        const QImage target = drawOnTarget(
            [&](QPainter *painter) { return loader.LoadRes3DBitmap(painter, id, 2, 3); });
        const QImage expected = recoloured(id, {{kFace, qRgb(10, 200, 30)},
                                                {kShadow, qRgb(40, 10, 90)},
                                                {qRgb(223, 223, 223), qRgb(250, 240, 200)}});
        EXPECT_NE(expected, bitmap(id)) << "bitmap " << id << " has greys to map";
        EXPECT_EQ(drawnPart(target, id, {2, 3}), expected) << "bitmap " << id;
    }
    QGuiApplication::setPalette(saved);
}

TEST(ResLoader, TransparentDrawingReplacesOneColour)
{
    struct Case
    {
        QRgb from;
        QRgb to;
        bool changes;
    };
    const Case cases[] = {
        {kFace, qRgb(0, 128, 0), true},
        {kFace, kFace, false},
        {qRgb(1, 2, 3), qRgb(0, 128, 0), false},
        {0x00C0C0C0, qRgb(0, 0, 255), true}, // the colour's alpha byte plays no part
    };
    const ResLoader loader;
    for (const Case &c : cases) {
        const QImage target = drawOnTarget([&](QPainter *painter) {
            return loader.LoadResTransparentBitmap(painter, 109, 0, 0, c.from, c.to);
        });
        const QImage expected = recoloured(109, {{qRgb(qRed(c.from), qGreen(c.from), qBlue(c.from)),
                                                  qRgb(qRed(c.to), qGreen(c.to), qBlue(c.to))}});
        EXPECT_EQ(drawnPart(target, 109, {0, 0}), expected) << std::hex << c.from;
        EXPECT_EQ(expected != bitmap(109), c.changes) << std::hex << c.from;
    }
}

TEST(ResLoader, StringTableHoldsItsEntriesAndNothingElse)
{
    const ResLoader loader;
    EXPECT_EQ(loader.LoadResTextString(17), "Tous caractères accentués ont été endodés.");
    EXPECT_EQ(loader.LoadResTextString(18), "Tous caractères accentués ont été dédodés.");
    EXPECT_TRUE(loader.LoadResTextString(21).endsWith("«Auteur/Date de révision» de Norvique."));
    EXPECT_TRUE(loader.LoadResTextString(22).endsWith("codes de base: <HTML>, <BODY>, etc."));
    EXPECT_EQ(loader.LoadResTextString(23),
              "Consultez la rubrique d'aide «Structure d'une page Web» "
              "pour de plus amples détails.");
    for (int id : {0, -1, 16, 19, 20, 24, 100})
        EXPECT_EQ(loader.LoadResTextString(id), QString()) << "string " << id;
}
