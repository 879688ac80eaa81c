#include "canvas/ZoomedSurface.h"

#include "canvas/ViewTransform.h"

namespace areamaker {

void ZoomedSurface::drawRectangle(Point topLeft, Point bottomRight)
{
    mTarget.drawRectangle(mView.toView(topLeft), mView.toView(bottomRight));
}

void ZoomedSurface::drawEllipse(Point topLeft, Point bottomRight)
{
    mTarget.drawEllipse(mView.toView(topLeft), mView.toView(bottomRight));
}

void ZoomedSurface::drawPolygon(const std::vector<Point> &points)
{
    std::vector<Point> shown;
    shown.reserve(points.size());
    for (const Point &p : points)
        shown.push_back(mView.toView(p));
    mTarget.drawPolygon(shown);
}

void ZoomedSurface::drawLine(Point from, Point to)
{
    mTarget.drawLine(mView.toView(from), mView.toView(to));
}

void ZoomedSurface::drawMarker(Point centre, int half)
{
    mTarget.drawMarker(mView.toView(centre), half);
}

void ZoomedSurface::copyBlock(const DrawingSurface &source, Point sourceTopLeft,
                              Point targetTopLeft, int width, int height)
{
    mTarget.copyBlock(source, sourceTopLeft, targetTopLeft, width, height);
}

void ZoomedSurface::drawScaled(const DrawingSurface &source, ImageSize scaledSize, Point topLeft,
                               int width, int height)
{
    mTarget.drawScaled(source, scaledSize, topLeft, width, height);
}

} // namespace areamaker
