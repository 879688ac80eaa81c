#pragma once

#include "FakeCanvasSurfaces.h"
#include "FakeFileSystem.h"
#include "FakeImageProbe.h"
#include "RecordingViews.h"
#include "ZonePoints.h"
#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "document/MapDocument.h"
#include "shell/AppSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace areamaker::testing {

// The editor over a 300x200 picture of one map in a 400x300 view, with recording views.
class PictureCanvasFixture : public ::testing::Test
{
protected:
    PictureCanvasFixture()
    {
        canvas.setWorkspace({400, 300}, 16, 16);
        document.attachViews(&views, &views, &canvas.backBuffer());
        document.DocumentState = DocumentOpen;
        document.AddImageMap("plan", "/site/plan.gif", "");
        document.ActiveMapIndex = 0;
        canvas.ShowImage("/site/plan.gif");
        canvas.setCanvasMode(Idle);
    }

    EditorPorts ports() { return portsOf(views, images, files); }
    void press(Point at)
    {
        editor.mouseMove(at, false);
        editor.leftPress(at);
    }
    void click(Point at)
    {
        press(at);
        editor.leftRelease(at);
    }
    void trace(int shape, const std::vector<Point> &clicks)
    {
        editor.BeginTrace(shape);
        for (const Point &at : clicks)
            click(at);
    }
    std::vector<Point> points(int index) const { return activeZonePoints(document, index); }

    FakeCanvasSurfaces surfaces;
    RecordingViews views;
    FakeImageProbe images;
    FakeFileSystem files;
    MapDocument document;
    AppSettings settings;
    CanvasModel canvas{document, settings, surfaces, surfaces, ports()};
    CanvasEditor editor{canvas};
};

} // namespace areamaker::testing
