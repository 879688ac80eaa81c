#include "adapters/QtDrawingSurface.h"
#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "document/MapDocument.h"
#include "platform/CanvasSurfaces.h"
#include "shell/AppSettings.h"
#include "shell/HeadlessViews.h"

#include <benchmark/benchmark.h>

using namespace areamaker;

namespace {

constexpr ImageSize bigPicture{8000, 6000};
constexpr ImageSize view{1920, 1080};

// The canvas's three pictures in memory, with a host that does nothing on screen.
struct MemorySurfaces : CanvasSurfaces, CanvasHost
{
    QtDrawingSurface loaded, back, shown;

    bool loadPicture(const std::string &) override
    {
        loaded.image() = QImage(bigPicture.width, bigPicture.height, QImage::Format_RGB32);
        // A picture with detail, so that scaling it costs what a photograph's would.
        for (int y = 0; y < bigPicture.height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(loaded.image().scanLine(y));
            for (int x = 0; x < bigPicture.width; ++x)
                line[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
        }
        return true;
    }
    void placeView(Point origin, ImageSize size) override
    {
        for (QtDrawingSurface *surface : {&back, &shown})
            surface->place({origin.x, origin.y}, {size.width, size.height});
    }
    void clearPicture() override {}
    ImageSize pictureSize() const override { return bigPicture; }
    DrawingSurface &picture() override { return loaded; }
    DrawingSurface &backBuffer() override { return back; }
    DrawingSurface &visible() override { return shown; }
    void layOut() override {}
    void repaintWorkspace() override {}
    void startRedrawTimer() override {}
    void setMousePointer(int) override {}
    int mousePointer() const override { return 0; }
    void setPictureEnabled(bool) override {}
    void startAutoPropTimer() override {}
    void scrollTo(int, int) override {}
};

// One zone of each shape in turn on a grid of 100 x 50 cells of 80 x 120 pixels.
Zone gridZone(int i)
{
    const std::int32_t x = (i % 100) * 80 + 10;
    const std::int32_t y = (i / 100) * 120 + 10;
    Zone zone;
    zone.setHRegion(KindRegion);
    zone.setHForme(static_cast<std::int16_t>(ShapeRectangle + i % 3));
    const std::vector<Point> points =
        i % 3 == 2 ? std::vector<Point>{{x, y}, {x + 60, y}, {x + 60, y + 90}, {x, y + 60}}
                   : std::vector<Point>{{x, y}, {x + 60, y + 60}};
    for (std::size_t k = 0; k < points.size(); ++k) {
        zone.AddXCoord(points[k].x, static_cast<int>(k));
        zone.AddYCoord(points[k].y, static_cast<int>(k));
    }
    return zone;
}

// A map of 5,000 zones over the big picture, shown in a full-HD view.
struct BigCanvas
{
    HeadlessViews views;
    MemorySurfaces surfaces;
    MapDocument document;
    AppSettings settings;
    CanvasModel canvas{document, settings, surfaces, surfaces,
                       EditorPorts{nullptr, nullptr, nullptr, nullptr, &views, &views, &views,
                                   &views, nullptr, &views, &views}};
    CanvasEditor editor{canvas};

    BigCanvas()
    {
        document.attachViews(nullptr, nullptr, &canvas.backBuffer());
        document.AddImageMap("grand", "/grand.png", "");
        for (int i = 0; i < 5000; ++i)
            document.Maps[0].Zones.push_back(gridZone(i));
        document.loadActiveZones(0);
        document.ActiveMapIndex = 0;
        canvas.setWorkspace(view, 16, 16);
        canvas.ShowImage("/grand.png");
        canvas.layOutScrollBars();
        canvas.setCanvasMode(Idle);
    }
};

// The argument is the zoom level in eighths: 1 is 1/8, 8 actual size, 128 sixteen times.
// The view shows the middle of the picture; a reduced picture is made once per level,
// before the first timed redraw.
void CanvasRedraw(benchmark::State &state)
{
    BigCanvas big;
    const double scale = static_cast<double>(state.range(0)) / 8;
    big.canvas.zoomTo(scale, {view.width / 2, view.height / 2});
    big.canvas.layOutScrollBars();
    const ImageSize shown = big.canvas.viewSize();
    const int middleX = (shown.width - view.width) / 2 / ScrollModel::Step;
    const int middleY = (shown.height - view.height) / 2 / ScrollModel::Step;
    if (middleX > 0)
        big.canvas.scrolled(false, middleX);
    if (middleY > 0)
        big.canvas.scrolled(true, middleY);
    big.canvas.RedrawCanvas();
    for (auto _ : state)
        big.canvas.RedrawCanvas();
    state.counters["zoom"] = scale;
}

// A zone dragged back and forth by one pixel, each step clamped and redrawn.
void MoveStep(benchmark::State &state)
{
    BigCanvas big;
    big.editor.mouseMove({30, 30}, false);
    big.editor.leftPress({30, 30});
    big.editor.leftRelease({30, 30});
    big.editor.leftPress({30, 30});
    int step = 0;
    for (auto _ : state) {
        const std::int32_t x = 31 + (step++ & 1);
        big.editor.mouseMove({x, 30}, true);
    }
}

} // namespace

BENCHMARK(CanvasRedraw)->Arg(1)->Arg(8)->Arg(128)->Unit(benchmark::kMillisecond);
BENCHMARK(MoveStep)->Unit(benchmark::kMillisecond);
