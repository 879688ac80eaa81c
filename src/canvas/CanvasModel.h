#pragma once

#include "canvas/CanvasState.h"
#include "canvas/ScrollModel.h"
#include "canvas/ViewTransform.h"
#include "canvas/ZoneRowValues.h"
#include "canvas/ZoomedSurface.h"
#include "document/EditStep.h"
#include "platform/EditorPorts.h"

#include <cstdint>
#include <optional>

namespace areamaker {

class CanvasHost;
class CanvasSurfaces;
class MapDocument;
struct AppSettings;

// The canvas behind the window: puts the active map's picture on it, recomposes the
// visible block with the zones over it, and scrolls.
class CanvasModel : public CanvasPort
{
public:
    // Handles are hit this many screen pixels around their point, less one.
    static constexpr int HandleReach = 3;
    // The longest side the view may have, within the scroll bars' reach.
    static constexpr double MaxViewSide = 600000;

    CanvasModel(MapDocument &document, const AppSettings &settings, CanvasSurfaces &surfaces,
                CanvasHost &host, const EditorPorts &ports);

    bool ShowImage(const std::string &path) override;
    void clearSelection() override;
    void DeleteSelectedZone(bool ask) override;
    void setCanvasMode(int mode) override { mState.CanvasMode = static_cast<std::int16_t>(mode); }
    void startDisplayTimer() override;

    void RedrawCanvas();
    // Puts the active map on another picture: its zones are kept inside it whole and the
    // selection is cleared. False, with the map and its zones untouched, when the picture
    // cannot be loaded.
    bool moveActiveMapToPicture(const std::string &path);
    // Brings the coordinate into 0..the picture's width (or height); true when it moved.
    bool ClampToImage(std::int32_t &value, bool horizontal) const;

    // Makes the zone the one selected zone, with its handles; the caller refills and redraws.
    void selectZone(int index);
    // The zone explorer's current node follows the selection: the zone's, else the map's.
    void showSelectionInTree();
    // Scrolls the picture so that the selected zone is in sight.
    void scrollToSelectedZone();
    void BuildHandles();
    // Re-centres the existing handles on the selected zone's points, as a resize step does.
    void placeHandles();
    Zone *selectedZone();
    void ClampResizedZone();
    void ClampMovedZone();
    // Rewrites one group of the selected zone's grid rows from the zone.
    void RefreshZoneRows(ZoneRows group);
    // False, after telling the user, when the active map holds all the zones it can.
    bool roomForAnotherZone();
    // A drag of the selected zone is one undo step from the press to the release.
    void beginDragStep(EditKind kind);
    void endDragStep();
    // Each step of the drag marks the active map, and so the document, modified.
    void markDragModified();
    // Whether the active map may be edited; when not, the user is told why.
    bool mayEditActiveMap();
    // Ends a move or a resize: the zone is selected again, with fresh handles, and the
    // drag's undo step closes.
    void endDrag();

    // The workspace's inner size and the scroll bars' thickness, from the window.
    void setWorkspace(ImageSize workspace, int horizontalBarHeight, int verticalBarWidth);
    ScrollModel::Layout layOutScrollBars();
    // A scroll bar's change: moves the picture and defers the redraw.
    ScrollBarState scrolled(bool vertical, int value);
    // The picture's top-left corner in the workspace.
    Point picturePosition() const;

    // The zoom: image pixels stay the coordinates of everything; the view scales them.
    const ViewTransform &view() const { return mView; }
    // The picture's size on the screen.
    ImageSize viewSize() const;
    // The workspace's inner size, scroll bars included.
    ImageSize workspace() const { return mScroll.workspace(); }
    // Zooms to `scale`, keeping the image point under `anchor` (workspace pixels) in place
    // as far as the scroll steps allow.
    void zoomTo(double scale, Point anchor);
    // The image pixel under a position of the picture as shown.
    Point imagePointAt(double x, double y) const { return mView.toImage(x, y); }

    CanvasState &state() { return mState; }
    const CanvasState &state() const { return mState; }
    MapDocument &document() { return mDocument; }
    const AppSettings &settings() const { return mSettings; }
    const EditorPorts &ports() const { return mPorts; }
    CanvasHost &host() { return mHost; }
    // Where zones, handles and outlines draw, in image pixels.
    DrawingSurface &backBuffer() { return mZoomed; }
    ImageSize pictureSize() const;

private:
    MapDocument &mDocument;
    const AppSettings &mSettings;
    CanvasSurfaces &mSurfaces;
    CanvasHost &mHost;
    EditorPorts mPorts;
    void showZoomLevel();

    CanvasState mState;
    ScrollModel mScroll;
    ViewTransform mView;
    ZoomedSurface mZoomed;
    std::optional<EditStep> mDragStep;
};

} // namespace areamaker
