#pragma once

#include "adapters/QtDrawingSurface.h"
#include "platform/CanvasSurfaces.h"

#include <QWidget>

class QScrollBar;

namespace areamaker {

class CanvasEditor;
class CanvasModel;
class EditCommands;
class ZoomCommands;

// The canvas area (the workspace): the picture widget at its scroll position, the two
// scroll bars and the corner square, over the picture, back buffer and visible surface.
class CanvasView : public QWidget, public CanvasSurfaces
{
    Q_OBJECT

public:
    explicit CanvasView(QWidget *parent = nullptr);

    void setModel(CanvasModel *model);
    // Ctrl+wheel zooms about the pointer.
    void setZoom(ZoomCommands *zoom) { mZoom = zoom; }
    // The picture's mouse events go to the editor.
    void setEditor(CanvasEditor *editor);
    // The picture's right button and double clicks go to the edit commands.
    void setEditCommands(EditCommands *commands);
    // Shows the pointer of a code: 0 default, 2 cross, 6 to 9 sizes, 15 move, 99 our own.
    void setPointer(int code);
    int pointer() const { return mPointer; }
    // Places the picture and the scroll bars for the workspace's current size.
    void layOutCanvas();
    // Moves the scroll bars to these steps; the picture follows as for the user's scrolling.
    void scrollTo(int horizontalStep, int verticalStep);

    bool loadPicture(const std::string &path) override;
    void placeView(Point origin, ImageSize size) override;
    void clearPicture() override;
    ImageSize pictureSize() const override;
    DrawingSurface &picture() override { return mPicture; }
    DrawingSurface &backBuffer() override { return mBackBuffer; }
    DrawingSurface &visible() override { return mVisible; }

    QWidget *picMain() const { return mPicMain; }
    QScrollBar *hsbMain() const { return mHorizontal; }
    QScrollBar *vsbMain() const { return mVertical; }
    QWidget *picScroll() const { return mCorner; }
    const QImage &visibleImage() const { return mVisible.image(); }

signals:
    // Every paint of the workspace asks for the deferred redraw.
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;
    // The wheel scrolls the picture, sideways with Shift.
    void wheelEvent(QWheelEvent *event) override;

private:
    void onScroll(bool vertical, int value);
    void zoomByWheel(QWheelEvent *event);
    void paintLedges(QPainter &painter);

    CanvasModel *mModel = nullptr;
    ZoomCommands *mZoom = nullptr;
    int mPointer = 0;
    QtDrawingSurface mPicture;
    QtDrawingSurface mBackBuffer;
    QtDrawingSurface mVisible;
    QWidget *mPicMain;
    QScrollBar *mHorizontal;
    QScrollBar *mVertical;
    QWidget *mCorner;
    // Set while the layout moves the bars, whose own change handling it does itself.
    bool mLayingOut = false;
    // Wheel turns not yet worth a step, as fine-grained devices send them.
    QPoint mWheelRest;
    int mZoomRest = 0;
};

} // namespace areamaker
