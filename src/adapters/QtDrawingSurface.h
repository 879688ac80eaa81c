#pragma once

#include "platform/DrawingSurface.h"

#include <QImage>

#include <functional>

class QPainter;

namespace areamaker {

// A drawing surface over a QImage, drawing as the zones expect: rectangles and ellipses
// stop one pixel short of their second corner, hatching leaves the picture visible.
class QtDrawingSurface : public DrawingSurface
{
public:
    QImage &image() { return mImage; }
    const QImage &image() const { return mImage; }
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

    static QColor colourOf(Rgb colour);

private:
    void drawBox(Point topLeft, Point bottomRight, bool ellipse);
    void prepare(QPainter &painter) const;
    void changed(const QRect &area);

    QImage mImage;
    Pen mPen;
    Brush mBrush;
    std::function<void(const QRect &)> mListener;
};

} // namespace areamaker
