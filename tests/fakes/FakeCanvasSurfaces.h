#pragma once

#include "platform/CanvasSurfaces.h"

#include <string>
#include <utility>
#include <vector>

namespace areamaker::testing {

// Three canvas surfaces writing every call, in order, to one shared log; pictures load
// from a table of sizes.
class FakeCanvasSurfaces : public CanvasSurfaces, public CanvasHost
{
public:
    class Surface : public DrawingSurface
    {
    public:
        Surface(std::string name, std::vector<std::string> &log) : mName(std::move(name)), mLog(log)
        {
        }
        void setPen(const Pen &) override {}
        void setBrush(const Brush &) override {}
        void drawRectangle(Point a, Point b) override { record("rectangle", a, b); }
        void drawEllipse(Point a, Point b) override { record("ellipse", a, b); }
        void drawPolygon(const std::vector<Point> &points) override
        {
            record("polygon", points.front(), points.back());
        }
        void drawLine(Point a, Point b) override { record("line", a, b); }
        void copyBlock(const DrawingSurface &source, Point from, Point to, int width,
                       int height) override
        {
            mLog.push_back(mName + " <- " + static_cast<const Surface &>(source).mName + " " +
                           text(from) + " " + text(to) + " " + std::to_string(width) + "x" +
                           std::to_string(height));
        }
        void drawScaled(const DrawingSurface &source, ImageSize scaled, Point at, int width,
                        int height) override
        {
            mLog.push_back(mName + " <- " + static_cast<const Surface &>(source).mName + " as " +
                           std::to_string(scaled.width) + "x" + std::to_string(scaled.height) +
                           " " + text(at) + " " + std::to_string(width) + "x" +
                           std::to_string(height));
        }

    private:
        static std::string text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
        void record(const char *shape, Point a, Point b)
        {
            mLog.push_back(mName + " " + shape + " " + text(a) + " " + text(b));
        }
        std::string mName;
        std::vector<std::string> &mLog;
    };

    std::vector<std::string> log;
    ImageSize loadedSize{300, 200};
    bool loads = true;
    int layOuts = 0;
    int repaints = 0;
    int timerStarts = 0;
    int pointer = 0;
    bool pictureEnabled = true;
    int autoPropStarts = 0;
    std::pair<int, int> scrolledTo{-1, -1};
    // The block of the view the back buffer and the visible surface were last given.
    std::pair<Point, ImageSize> view;

    bool loadPicture(const std::string &) override
    {
        // A picture that fails to load leaves the one shown before, as the real canvas does.
        if (loads)
            mSize = loadedSize;
        return loads;
    }
    void clearPicture() override { mSize = {}; }
    void placeView(Point origin, ImageSize size) override { view = {origin, size}; }
    ImageSize pictureSize() const override { return mSize; }
    DrawingSurface &picture() override { return mPicture; }
    DrawingSurface &backBuffer() override { return mBack; }
    DrawingSurface &visible() override { return mVisible; }
    void layOut() override { ++layOuts; }
    void repaintWorkspace() override { ++repaints; }
    void startRedrawTimer() override { ++timerStarts; }
    void setMousePointer(int code) override { pointer = code; }
    int mousePointer() const override { return pointer; }
    void setPictureEnabled(bool enabled) override { pictureEnabled = enabled; }
    void startAutoPropTimer() override { ++autoPropStarts; }
    void scrollTo(int horizontalStep, int verticalStep) override
    {
        scrolledTo = {horizontalStep, verticalStep};
    }

private:
    ImageSize mSize;
    Surface mPicture{"picture", log};
    Surface mBack{"back", log};
    Surface mVisible{"visible", log};
};

} // namespace areamaker::testing
