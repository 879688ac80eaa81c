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

QImage &QtDrawingSurface::image()
{
    finish();
    return mImage;
}

const QImage &QtDrawingSurface::image() const
{
    finish();
    return mImage;
}

QPainter &QtDrawingSurface::painter()
{
    if (!mPainter.isActive()) {
        mPainter.begin(&mImage);
        mPainter.translate(-mOrigin);
    }
    return mPainter;
}

void QtDrawingSurface::finish() const
{
    if (mPainter.isActive())
        mPainter.end();
}

void QtDrawingSurface::place(QPoint origin, QSize size)
{
    finish();
    mOrigin = origin;
    if (mImage.size() != size)
        mImage = QImage(size, QImage::Format_RGB32);
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
        mListener(area.adjusted(-mPen.width, -mPen.width, mPen.width, mPen.width)
                      .intersected(QRect(mOrigin, mImage.size())));
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
    QPainter &painter = this->painter();
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
    QPainter &painter = this->painter();
    prepare(painter);
    painter.drawPolygon(polygon, Qt::OddEvenFill);
    changed(polygon.boundingRect());
}

void QtDrawingSurface::drawLine(Point from, Point to)
{
    if (mImage.isNull())
        return;
    QPainter &painter = this->painter();
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
    other->finish();
    QPainter &painter = this->painter();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect target(targetTopLeft.x, targetTopLeft.y, width, height);
    painter.drawImage(
        target, other->mImage,
        QRect(QPoint(sourceTopLeft.x, sourceTopLeft.y) - other->mOrigin, QSize(width, height)));
    painter.restore();
    changed(target);
}

const QImage &QtDrawingSurface::reduced(QSize size) const
{
    if (mReduced.size() != size || mReducedFrom != mImage.cacheKey()) {
        mReduced = mImage.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        mReducedFrom = mImage.cacheKey();
    }
    return mReduced;
}

void QtDrawingSurface::drawScaled(const DrawingSurface &source, ImageSize scaledSize, Point topLeft,
                                  int width, int height)
{
    const auto *other = dynamic_cast<const QtDrawingSurface *>(&source);
    if (mImage.isNull() || !other || other->mImage.isNull() || scaledSize.width <= 0 ||
        scaledSize.height <= 0)
        return;
    const QImage &picture = other->mImage;
    const QSize scaled(scaledSize.width, scaledSize.height);
    const QRect block = QRect(topLeft.x, topLeft.y, width, height).intersected(QRect({}, scaled));
    other->finish();
    QPainter &painter = this->painter();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (scaled == picture.size()) {
        painter.drawImage(block.topLeft(), picture, block);
    } else if (scaled.width() < picture.width()) {
        // Reduced once per size, smoothly, then copied pixel for pixel.
        painter.drawImage(block.topLeft(), other->reduced(scaled), block);
    } else {
        // Enlarged: each picture pixel a sharp square.
        const double sx = static_cast<double>(picture.width()) / scaled.width();
        const double sy = static_cast<double>(picture.height()) / scaled.height();
        painter.drawImage(
            QRectF(block), picture,
            QRectF(block.x() * sx, block.y() * sy, block.width() * sx, block.height() * sy));
    }
    painter.restore();
    changed(block);
}

} // namespace areamaker
