#include "BrandArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kDeepBlue(22, 52, 110);
const QColor kBrightBlue(52, 120, 210);
const QColor kAccent(240, 140, 30);
const QColor kPaper(250, 250, 252);
const QString kProduct = QStringLiteral("Areamaker");
const QString kTagline = QStringLiteral("Éditeur d'images cliquables");

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QFont brandFont(double pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(bold);
    return font;
}

// The logo: a blue tile holding a picture with a traced zone, its handles and the pointer.
void drawLogo(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);
    QLinearGradient tile(0, 0, 0, 100);
    tile.setColorAt(0, kBrightBlue);
    tile.setColorAt(1, kDeepBlue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0, 0, 100, 100), 18, 18);

    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(14, 18, 72, 58), 4, 4);
    painter.setBrush(QColor(120, 190, 240));
    painter.drawRect(QRectF(19, 23, 62, 48));
    painter.setBrush(QColor(250, 210, 70));
    painter.drawEllipse(QPointF(67, 35), 6, 6);
    painter.setBrush(QColor(60, 150, 80));
    painter.drawPolygon(
        QPolygonF{{19, 71}, {19, 55}, {38, 40}, {54, 58}, {66, 50}, {81, 62}, {81, 71}});

    const QPolygonF zone{{26, 64}, {37, 36}, {58, 44}, {62, 66}};
    painter.setBrush(QColor(240, 140, 30, 70));
    painter.setPen(QPen(kAccent, 2.5, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(zone);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(kAccent);
    for (const QPointF &corner : zone)
        painter.drawRect(QRectF(corner - QPointF(3.5, 3.5), QSizeF(7, 7)));

    QPainterPath arrow;
    arrow.addPolygon(
        QPolygonF{{62, 66}, {62, 92}, {68, 86}, {73, 96}, {78, 94}, {73, 84}, {81, 84}});
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(20, 20, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    painter.restore();
}

// The product name at the given size, made smaller when it would not fit the area.
void drawWordmark(QPainter &painter, const QRectF &area, double size, const QColor &colour,
                  Qt::Alignment alignment)
{
    QFont font = brandFont(size, true);
    while (QFontMetricsF(font).horizontalAdvance(kProduct) > area.width() && size > 8)
        font = brandFont(--size, true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, alignment, kProduct);
}

} // namespace

namespace BrandArt {

QImage splashArtwork()
{
    QImage image = canvas(180, 189, kDeepBlue);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, 189);
    sky.setColorAt(0, kBrightBlue);
    sky.setColorAt(1, kDeepBlue);
    painter.fillRect(image.rect(), sky);
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int x = -180; x < 180; x += 12)
        painter.drawLine(x, 189, x + 189, 0);
    drawLogo(painter, QRectF(35, 16, 110, 110));
    drawWordmark(painter, QRectF(0, 134, 180, 30), 24, Qt::white, Qt::AlignCenter);
    painter.setFont(brandFont(11, false));
    painter.setPen(QColor(220, 230, 250));
    painter.drawText(QRectF(0, 162, 180, 18), Qt::AlignCenter, kTagline);
    return image;
}

QImage splashTitle()
{
    QImage image = canvas(156, 88, kPaper);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawWordmark(painter, QRectF(0, 8, 156, 34), 26, kDeepBlue, Qt::AlignCenter);
    painter.fillRect(QRectF(28, 46, 100, 3), kAccent);
    painter.setFont(brandFont(10, false));
    painter.setPen(QColor(70, 80, 100));
    painter.drawText(QRectF(0, 54, 156, 16), Qt::AlignCenter, kTagline);
    painter.drawText(QRectF(0, 68, 156, 16), Qt::AlignCenter,
                     QStringLiteral("pour vos pages HTML"));
    return image;
}

QImage aboutBanner()
{
    QImage image = canvas(200, 60, kPaper);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawLogo(painter, QRectF(6, 6, 48, 48));
    drawWordmark(painter, QRectF(62, 6, 136, 30), 24, kDeepBlue, Qt::AlignLeft | Qt::AlignVCenter);
    painter.fillRect(QRectF(63, 37, 40, 2), kAccent);
    painter.setFont(brandFont(9, false));
    painter.setPen(QColor(70, 80, 100));
    painter.drawText(QRectF(62, 40, 136, 16), Qt::AlignLeft | Qt::AlignVCenter, kTagline);
    return image;
}

} // namespace BrandArt
