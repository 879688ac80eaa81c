#pragma once

#include "platform/DrawingSurface.h"

#include <QImage>
#include <QPainter>

#include <functional>

namespace areamaker {

// A drawing surface over a QImage, drawing as the zones expect: rectangles and ellipses
// stop one pixel short of their second corner, hatching leaves the picture visible. The
// image may hold only a block of a larger space: it starts at `origin` in the coordinates
// the surface is addressed in.
class QtDrawingSurface : public DrawingSurface
{
public:
    // The image, with every drawing done so far in it.
    QImage &image();
    const QImage &image() const;
    QPoint origin() const { return mOrigin; }
    // Makes the image the block of this size at `origin`, its pixels kept where the size is
    // the same.
    void place(QPoint origin, QSize size);
    // Called with the changed rectangle after every drawing.
    void setChangeListener(std::function<void(const QRect &)> listener);

    void setPen(const Pen &pen) override { mPen = pen; }
    void setBrush(const Brush &brush) override { mBrush = brush; }
    void drawRectangle(Point topLeft, Point bottomRight) override;
    void drawEllipse(Point topLeft, Point bottomRight) override;
    void drawPolygon(const std::vector<Point> &points) override;
    void drawLine(Point from, Point to) override;
    void copyBlock(const DrawingSurface &source, Point sourceTopLeft, Point targetTopLeft,
                   int width, int height) override;
    void drawScaled(const DrawingSurface &source, ImageSize scaledSize, Point topLeft, int width,
                    int height) override;

    static QColor colourOf(Rgb colour);

private:
    void drawBox(Point topLeft, Point bottomRight, bool ellipse);
    // One painter serves every drawing until the image is read: opening one per drawing
    // would cost more than the drawing itself when thousands of zones are in sight.
    QPainter &painter();
    void finish() const;
    void prepare(QPainter &painter) const;
    void changed(const QRect &area);
    // The image reduced to `size`, kept while the image and the size stay the same.
    const QImage &reduced(QSize size) const;

    QImage mImage;
    mutable QPainter mPainter;
    QPoint mOrigin;
    mutable QImage mReduced;
    mutable qint64 mReducedFrom = 0;
    Pen mPen;
    Brush mBrush;
    std::function<void(const QRect &)> mListener;
};

} // namespace areamaker
