#pragma once

#include "platform/DrawingSurface.h"

namespace areamaker {

class ViewTransform;

// The back buffer as the zones see it: they draw in image pixels, it draws in view pixels.
// Line widths and markers keep their size on the screen at every zoom level.
class ZoomedSurface : public DrawingSurface
{
public:
    ZoomedSurface(DrawingSurface &target, const ViewTransform &view) : mTarget(target), mView(view)
    {
    }

    void setPen(const Pen &pen) override { mTarget.setPen(pen); }
    void setBrush(const Brush &brush) override { mTarget.setBrush(brush); }
    void drawRectangle(Point topLeft, Point bottomRight) override;
    void drawEllipse(Point topLeft, Point bottomRight) override;
    void drawPolygon(const std::vector<Point> &points) override;
    void drawLine(Point from, Point to) override;
    void drawMarker(Point centre, int half) override;
    void copyBlock(const DrawingSurface &source, Point sourceTopLeft, Point targetTopLeft,
                   int width, int height) override;
    void drawScaled(const DrawingSurface &source, ImageSize scaledSize, Point topLeft, int width,
                    int height) override;

private:
    DrawingSurface &mTarget;
    const ViewTransform &mView;
};

} // namespace areamaker
