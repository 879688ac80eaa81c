#pragma once

#include "platform/DrawingSurface.h"

#include <string>
#include <vector>

namespace areamaker::testing {

// Records each drawing call with the pen and brush in force.
class RecordingSurface : public DrawingSurface
{
public:
    struct Call
    {
        std::string shape;
        std::vector<Point> points;
        Pen pen;
        Brush brush;
    };
    std::vector<Call> calls;

    void setPen(const Pen &pen) override { mPen = pen; }
    void setBrush(const Brush &brush) override { mBrush = brush; }
    void drawRectangle(Point a, Point b) override { record("rectangle", {a, b}); }
    void drawEllipse(Point a, Point b) override { record("ellipse", {a, b}); }
    void drawPolygon(const std::vector<Point> &points) override { record("polygon", points); }
    void drawLine(Point a, Point b) override { record("line", {a, b}); }
    void copyBlock(const DrawingSurface &, Point, Point, int, int) override {}
    void drawScaled(const DrawingSurface &, ImageSize, Point, int, int) override {}

private:
    void record(const char *shape, std::vector<Point> points)
    {
        calls.push_back({shape, std::move(points), mPen, mBrush});
    }
    Pen mPen;
    Brush mBrush;
};

} // namespace areamaker::testing
