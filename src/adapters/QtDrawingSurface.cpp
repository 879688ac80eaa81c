#include "adapters/QtDrawingSurface.h"

#include <QPainter>
#include <QPolygon>

namespace areamaker {

namespace {

QRect boxOf(Point a, Point b)
{
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                 QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1));
}

Qt::BrushStyle styleOf(FillStyle style)
{
    switch (style) {
    case FillStyle::DiagonalCross:
        return Qt::DiagCrossPattern;
    case FillStyle::Solid:
        return Qt::SolidPattern;
    case FillStyle::None:
        break;
    }
    return Qt::NoBrush;
}

} // namespace

QColor QtDrawingSurface::colourOf(Rgb colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

void QtDrawingSurface::setChangeListener(std::function<void(const QRect &)> listener)
{
    mListener = std::move(listener);
}

void QtDrawingSurface::prepare(QPainter &painter) const
{
    QPen pen(colourOf(mPen.colour));
    pen.setWidth(mPen.width);
    pen.setStyle(mPen.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(mPen.width > 0 ? pen : QPen(Qt::NoPen));
    painter.setBrush(QBrush(colourOf(mBrush.colour), styleOf(mBrush.style)));
}

void QtDrawingSurface::changed(const QRect &area)
{
    if (mListener)
        mListener(area.adjusted(-mPen.width, -mPen.width, mPen.width, mPen.width));
}

void QtDrawingSurface::drawRectangle(Point topLeft, Point bottomRight)
{
    drawBox(topLeft, bottomRight, false);
}

void QtDrawingSurface::drawEllipse(Point topLeft, Point bottomRight)
{
    drawBox(topLeft, bottomRight, true);
}

void QtDrawingSurface::drawBox(Point topLeft, Point bottomRight, bool ellipse)
{
    if (mImage.isNull())
        return;
    const QRect box = boxOf(topLeft, bottomRight);
    QPainter painter(&mImage);
    prepare(painter);
    // A box of N pixels is drawn from its first pixel to its N-th.
    const QRect outline = box.adjusted(0, 0, -1, -1);
    if (ellipse)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
    changed(box);
}

void QtDrawingSurface::drawPolygon(const std::vector<Point> &points)
{
    if (mImage.isNull() || points.empty())
        return;
    QPolygon polygon;
    for (const Point &p : points)
        polygon << QPoint(p.x, p.y);
    QPainter painter(&mImage);
    prepare(painter);
    painter.drawPolygon(polygon, Qt::OddEvenFill);
    changed(polygon.boundingRect());
}

void QtDrawingSurface::drawLine(Point from, Point to)
{
    if (mImage.isNull())
        return;
    QPainter painter(&mImage);
    prepare(painter);
    painter.drawLine(from.x, from.y, to.x, to.y);
    changed(QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)).normalized());
}

void QtDrawingSurface::copyBlock(const DrawingSurface &source, Point sourceTopLeft,
                                 Point targetTopLeft, int width, int height)
{
    const auto *other = dynamic_cast<const QtDrawingSurface *>(&source);
    if (mImage.isNull() || !other || other->mImage.isNull())
        return;
    QPainter painter(&mImage);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect target(targetTopLeft.x, targetTopLeft.y, width, height);
    painter.drawImage(target, other->mImage,
                      QRect(sourceTopLeft.x, sourceTopLeft.y, width, height));
    changed(target);
}

} // namespace areamaker
