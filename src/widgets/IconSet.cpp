#include "widgets/IconSet.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace areamaker {

namespace {

const QColor Ink(43, 58, 74);
const QColor Paper(255, 255, 255);
const QColor Folder(242, 193, 78);
const QColor Blue(59, 111, 182);
const QColor LightBlue(164, 198, 238);
const QColor Red(200, 55, 50);
const QColor Hatch(59, 111, 182, 110);

QPen inkPen(qreal width = 1.0)
{
    QPen pen(Ink, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void page(QPainter &p, QRectF box)
{
    QPainterPath path;
    path.moveTo(box.topLeft());
    path.lineTo(box.right() - 3, box.top());
    path.lineTo(box.right(), box.top() + 3);
    path.lineTo(box.bottomRight());
    path.lineTo(box.bottomLeft());
    path.closeSubpath();
    p.setPen(inkPen());
    p.setBrush(Paper);
    p.drawPath(path);
    p.drawLine(QPointF(box.right() - 3, box.top()), QPointF(box.right() - 3, box.top() + 3));
    p.drawLine(QPointF(box.right() - 3, box.top() + 3), QPointF(box.right(), box.top() + 3));
}

void textLines(QPainter &p, qreal left, qreal top, int count, qreal width)
{
    p.setPen(QPen(LightBlue.darker(130), 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + 2 * i), QPointF(left + width, top + 2 * i));
}

void shapeFill(QPainter &p)
{
    p.setPen(QPen(Blue, 1.2));
    p.setBrush(QBrush(Hatch));
}

void drawNew(QPainter &p)
{
    page(p, {2.5, 1.5, 10, 13});
    p.setPen(QPen(Folder.darker(120), 1.2));
    p.setBrush(Folder);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? 1.4 : 3.4;
        const qreal angle = std::numbers::pi / 5 * i - std::numbers::pi / 2;
        star << QPointF(12 + radius * std::cos(angle), 4.5 + radius * std::sin(angle));
    }
    p.drawPolygon(star);
}

void drawOpen(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(Folder.darker(115));
    p.drawPolygon(
        QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(Folder);
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {4, 7.5}, {15, 7.5}, {13.5, 13.5}}));
}

void drawSave(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(Paper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(LightBlue);
    p.drawRect(QRectF(4, 9, 8, 5.5));
    p.fillRect(QRectF(9.5, 2.5, 1.5, 3), Ink);
}

void drawBrowser(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(LightBlue);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    p.drawLine(QPointF(2.8, 4.8), QPointF(13.2, 4.8));
    p.drawLine(QPointF(2.8, 11.2), QPointF(13.2, 11.2));
}

void drawCut(QPainter &p)
{
    p.setPen(inkPen(1.3));
    p.drawLine(QPointF(4.5, 1.5), QPointF(10.5, 10));
    p.drawLine(QPointF(11.5, 1.5), QPointF(5.5, 10));
    p.setPen(QPen(Red, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 9.5, 4.5, 4.5));
    p.drawEllipse(QRectF(9.5, 9.5, 4.5, 4.5));
}

void drawCopy(QPainter &p)
{
    page(p, {1.5, 1.5, 8.5, 10});
    textLines(p, 3.5, 5, 3, 4.5);
    page(p, {6, 5, 8.5, 10});
    textLines(p, 8, 8.5, 3, 4.5);
}

void drawPaste(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(Folder.darker(110));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(4, 1.5, 5, 2.5));
    page(p, {6.5, 6, 8, 9});
    textLines(p, 8.5, 9.5, 2, 4);
}

void drawExplorer(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(Paper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(2, 2, 12, 2.5), Blue);
    p.drawLine(QPointF(6, 4.5), QPointF(6, 14.5));
    p.setPen(QPen(Blue, 1));
    p.drawLine(QPointF(3, 7), QPointF(5, 7));
    p.drawLine(QPointF(3, 9.5), QPointF(5, 9.5));
    p.drawLine(QPointF(3, 12), QPointF(5, 12));
    shapeFill(p);
    p.drawRect(QRectF(8, 7, 5, 5));
}

void drawSelection(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(Paper);
    p.drawPolygon(QPolygonF(
        {{4, 1.5}, {4, 13}, {6.8, 10.4}, {8.8, 14.5}, {10.6, 13.6}, {8.6, 9.6}, {12.2, 9.6}}));
}

void drawRectangle(QPainter &p)
{
    shapeFill(p);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
}

void drawCircle(QPainter &p)
{
    shapeFill(p);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

void drawPolygon(QPainter &p)
{
    shapeFill(p);
    p.drawPolygon(QPolygonF({{2, 6}, {8, 1.5}, {14.5, 5}, {12, 14.5}, {4, 12.5}}));
}

void drawProperties(QPainter &p)
{
    page(p, {2.5, 1.5, 11, 13});
    p.setPen(QPen(Blue, 1.2));
    for (qreal y : {5.0, 8.0, 11.0}) {
        p.drawPoint(QPointF(5, y));
        p.drawLine(QPointF(7, y), QPointF(11, y));
    }
}

void drawDelete(QPainter &p)
{
    p.setPen(QPen(Red, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void drawSettings(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(QColor(150, 160, 172));
    QPainterPath gear;
    for (int i = 0; i < 16; ++i) {
        const qreal radius = (i / 2) % 2 ? 5 : 6.8;
        const qreal angle = std::numbers::pi / 8 * i;
        const QPointF point(8 + radius * std::cos(angle), 8 + radius * std::sin(angle));
        i == 0 ? gear.moveTo(point) : gear.lineTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(8, 8), 2, 2);
    gear.setFillRule(Qt::OddEvenFill);
    p.drawPath(gear);
}

void drawHelp(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(Blue);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Paper, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(5.6, 6.2);
    hook.cubicTo(5.6, 3.4, 10.6, 3.4, 10.4, 6.2);
    hook.cubicTo(10.3, 7.8, 8, 8, 8, 9.8);
    p.drawPath(hook);
    p.drawPoint(QPointF(8, 12.2));
}

// A curved arrow turning back (left) or forward (right).
void drawTurn(QPainter &p, bool forward)
{
    if (forward) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(Blue, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath turn;
    turn.moveTo(4.5, 7);
    turn.cubicTo(7, 3.5, 13.5, 4, 13.5, 9);
    turn.cubicTo(13.5, 11.5, 12, 13, 10, 13.5);
    p.drawPath(turn);
    p.setPen(inkPen());
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF({{1.5, 4}, {7.5, 4.5}, {3, 9.5}}));
}

void drawUndo(QPainter &p)
{
    drawTurn(p, false);
}

void drawRedo(QPainter &p)
{
    drawTurn(p, true);
}

using Painter = void (*)(QPainter &);
constexpr Painter Painters[IconSet::Count] = {
    drawNew,        drawOpen,     drawSave,      drawBrowser,   drawCut,    drawCopy,
    drawPaste,      drawExplorer, drawSelection, drawRectangle, drawCircle, drawPolygon,
    drawProperties, drawDelete,   drawSettings,  drawHelp,      drawUndo,   drawRedo};

QPixmap pixmapOf(int image, int scale)
{
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    IconSet::paint(painter, image);
    return pixmap;
}

} // namespace

void IconSet::paint(QPainter &painter, int image)
{
    if (image < 0 || image >= Count)
        return;
    painter.save();
    Painters[image](painter);
    painter.restore();
}

QIcon IconSet::icon(int image)
{
    QIcon icon;
    icon.addPixmap(pixmapOf(image, 1));
    icon.addPixmap(pixmapOf(image, 2));
    return icon;
}

} // namespace areamaker
