#pragma once

#include "FakeCanvasSurfaces.h"
#include "FakeFileSystem.h"
#include "FakeImageProbe.h"
#include "RecordingViews.h"
#include "ZonePoints.h"
#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "shell/AppSettings.h"
#include "shell/PropertyGridBinding.h"
#include "shell/ZoneTreeBinding.h"

#include <gtest/gtest.h>

namespace areamaker::testing {

// A page of two maps on 300x200 pictures, opened with map 0 active, the canvas over fake
// surfaces and both side-pane bindings over recording views.
class SidePaneFixture : public ::testing::Test
{
protected:
    static constexpr const char *PagePath = "/site/page.htm";
    // Map 0: a rectangle, a circle and a polygon, no default region; map 1: one rectangle
    // and a default region.
    static constexpr const char *Page =
        "<body>\n<IMG SRC=\"plan.gif\" USEMAP=\"#plan\">\n<IMG SRC=\"village.gif\" "
        "USEMAP=\"#village\">\n<MAP NAME=\"plan\">\n<!--Source Map:|plan.gif|-->\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,80\" HREF=\"salle.htm\" ALT=\"Salle\">\n"
        "<AREA SHAPE=\"CIRCLE\" COORDS=\"180,40,20\" HREF=\"puits.htm\">\n"
        "<AREA SHAPE=\"POLY\" COORDS=\"10,150,60,100,110,150\">\n</MAP>\n"
        "<MAP NAME=\"village\">\n<!--Source Map:|village.gif|-->\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"5,5,50,50\" HREF=\"ferme.htm\">\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"0,0,300,200\" HREF=\"village.htm\">\n</MAP>\n</body>\n";

    SidePaneFixture()
    {
        for (const char *image : {"/site/plan.gif", "/site/village.gif"}) {
            files.put(image, "GIF89a");
            images.sizes[image] = {300, 200};
        }
        document.attachViews(&views, &views, &canvas.backBuffer());
        canvas.setWorkspace({400, 300}, 16, 16);
        settings.DefPath = "/site/";
    }

    void SetUp() override
    {
        files.put(PagePath, Page);
        ASSERT_TRUE(lifecycle.OpenDocument(PagePath, true)) << lifecycle.lastError();
        ASSERT_TRUE(lifecycle.ActivateMap(0, false));
        document.SetDocumentModified(false);
        for (ImageMap &map : document.Maps)
            map.Modified = false;
    }

    EditorPorts ports(CanvasPort *canvasPort)
    {
        EditorPorts all = portsOf(views, images, files);
        all.canvas = canvasPort;
        return all;
    }

    std::vector<Point> points(int zone) const { return activeZonePoints(document, zone); }

    RecordingViews views;
    FakeFileSystem files;
    FakeImageProbe images;
    FakeCanvasSurfaces surfaces;
    AppSettings settings;
    MapDocument document;
    CanvasModel canvas{document, settings, surfaces, surfaces, ports(nullptr)};
    CanvasEditor editor{canvas};
    DocumentLifecycle lifecycle{document, ports(&canvas), PathStyle::Posix};
    PropertyGridBinding grid{document, canvas, PathStyle::Posix};
    ZoneTreeBinding tree{document, canvas, editor, lifecycle};
};

} // namespace areamaker::testing
