#include "widgets/CanvasView.h"

#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "canvas/WorkspaceLedges.h"
#include "canvas/ZoomCommands.h"
#include "shell/EditCommands.h"

#include <QApplication>
#include <QBitmap>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace areamaker {

namespace {

// The picture as shown, at its zoom: shows the visible surface, through which every zone
// drawing reaches the screen, and hands the mouse to the editor in image pixels.
class PictureWidget : public QWidget
{
public:
    PictureWidget(const QtDrawingSurface &visible, QWidget *parent)
        : QWidget(parent), mVisible(visible)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setObjectName(QStringLiteral("picMain"));
        setMouseTracking(true);
        // A click here takes the focus, ending any edit of the grid before the click acts.
        setFocusPolicy(Qt::ClickFocus);
    }

    CanvasModel *model = nullptr;
    CanvasEditor *editor = nullptr;
    EditCommands *commands = nullptr;

protected:
    // Only the block in sight is composed; anything else shows the workspace until then.
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        painter.drawImage(mVisible.origin(), mVisible.image());
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (editor && event->button() == Qt::LeftButton)
            editor->leftPress(pixelOf(event));
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (editor)
            editor->mouseMove(pixelOf(event), event->buttons() & Qt::LeftButton);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (editor && event->button() == Qt::LeftButton)
            editor->leftRelease(pixelOf(event));
        if (commands && event->button() == Qt::RightButton)
            commands->rightRelease(pixelOf(event));
    }
    void leaveEvent(QEvent *event) override
    {
        if (editor)
            editor->pointerLeft();
        QWidget::leaveEvent(event);
    }
    // The arrow keys move the selected zone by a pixel, by ten with Shift.
    void keyPressEvent(QKeyEvent *event) override
    {
        const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
        const QPoint towards = arrowOf(event->key()) * step;
        if (!editor || towards.isNull()) {
            QWidget::keyPressEvent(event);
            return;
        }
        editor->nudge(towards.x(), towards.y());
    }
    // The first press has selected what is under the pointer; a second press, where the
    // platform delivers one, has begun a drag that the double click ends where it began.
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        if (editor)
            editor->leftRelease(pixelOf(event));
        if (commands)
            commands->doubleClick();
    }

private:
    static QPoint arrowOf(int key)
    {
        switch (key) {
        case Qt::Key_Left:
            return {-1, 0};
        case Qt::Key_Right:
            return {1, 0};
        case Qt::Key_Up:
            return {0, -1};
        case Qt::Key_Down:
            return {0, 1};
        default:
            return {};
        }
    }
    Point pixelOf(const QMouseEvent *event) const
    {
        const QPointF at = event->position();
        return model->imagePointAt(at.x(), at.y());
    }

    const QtDrawingSurface &mVisible;
};

// The program's own pointer: an arrow to the top-left with a small hollow square below
// right of it, hot spot on the arrow's tip.
QCursor vertexCursor()
{
    QBitmap shape(32, 32);
    QBitmap mask(32, 32);
    shape.fill(Qt::color0);
    mask.fill(Qt::color0);
    const QPolygon arrow({{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}});
    for (QBitmap *bitmap : {&shape, &mask}) {
        QPainter painter(bitmap);
        painter.setPen(Qt::color1);
        painter.setBrush(bitmap == &mask ? Qt::color1 : Qt::color0);
        painter.drawPolygon(arrow);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(13, 17, 7, 7);
        if (bitmap == &mask)
            painter.drawRect(12, 16, 9, 9);
    }
    return QCursor(shape, mask, 0, 0);
}

QCursor cursorOf(int code)
{
    switch (code) {
    case PointerCross:
        return Qt::CrossCursor;
    case PointerSizeNESW:
        return Qt::SizeBDiagCursor;
    case PointerSizeNS:
        return Qt::SizeVerCursor;
    case PointerSizeNWSE:
        return Qt::SizeFDiagCursor;
    case PointerSizeWE:
        return Qt::SizeHorCursor;
    case PointerSizeAll:
        return Qt::SizeAllCursor;
    case PointerCustom:
        return vertexCursor();
    default:
        return Qt::ArrowCursor;
    }
}

QColor shadeOf(const QPalette &palette, WorkspaceLedges::Shade shade)
{
    switch (shade) {
    case WorkspaceLedges::Shade::Highlight:
        return palette.color(QPalette::Light);
    case WorkspaceLedges::Shade::Shadow:
        return palette.color(QPalette::Mid);
    case WorkspaceLedges::Shade::DarkShadow:
        return palette.color(QPalette::Shadow);
    case WorkspaceLedges::Shade::Face:
        break;
    }
    return palette.color(QPalette::Button);
}

void placeBar(QScrollBar *bar, const ScrollBarState &state, const QRect &where)
{
    bar->setGeometry(where);
    bar->setMaximum(state.maximum);
    bar->setValue(state.value);
    bar->setVisible(state.visible);
}

} // namespace

CanvasView::CanvasView(QWidget *parent)
    : QWidget(parent), mPicMain(new PictureWidget(mVisible, this)),
      mHorizontal(new QScrollBar(Qt::Horizontal, this)),
      mVertical(new QScrollBar(Qt::Vertical, this)), mCorner(new QWidget(this))
{
    setObjectName(QStringLiteral("picWorkspace"));
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    mCorner->setAutoFillBackground(true);
    mCorner->setBackgroundRole(QPalette::Button);
    for (QWidget *part : {static_cast<QWidget *>(mHorizontal), static_cast<QWidget *>(mVertical),
                          mCorner, mPicMain})
        part->hide();
    mVisible.setChangeListener([this](const QRect &area) { mPicMain->update(area); });
    connect(mHorizontal, &QScrollBar::valueChanged, this, [this](int v) { onScroll(false, v); });
    connect(mVertical, &QScrollBar::valueChanged, this, [this](int v) { onScroll(true, v); });
}

void CanvasView::setModel(CanvasModel *model)
{
    mModel = model;
    static_cast<PictureWidget *>(mPicMain)->model = model;
}

void CanvasView::setEditCommands(EditCommands *commands)
{
    static_cast<PictureWidget *>(mPicMain)->commands = commands;
}

void CanvasView::setEditor(CanvasEditor *editor)
{
    static_cast<PictureWidget *>(mPicMain)->editor = editor;
}

void CanvasView::setPointer(int code)
{
    mPointer = code;
    if (code == PointerNone)
        mPicMain->unsetCursor();
    else
        mPicMain->setCursor(cursorOf(code));
}

bool CanvasView::loadPicture(const std::string &path)
{
    QImageReader reader(QString::fromStdString(path));
    QImage loaded = reader.read();
    if (loaded.isNull())
        return false;
    mPicture.image() = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

void CanvasView::placeView(Point origin, ImageSize size)
{
    for (QtDrawingSurface *surface : {&mBackBuffer, &mVisible})
        surface->place({origin.x, origin.y}, {size.width, size.height});
}

void CanvasView::clearPicture()
{
    mPicture.image() = QImage();
    mBackBuffer.image() = QImage();
    mVisible.image() = QImage();
}

ImageSize CanvasView::pictureSize() const
{
    return {mPicture.image().width(), mPicture.image().height()};
}

void CanvasView::layOutCanvas()
{
    if (!mModel)
        return;
    const int barHeight = mHorizontal->sizeHint().height();
    const int barWidth = mVertical->sizeHint().width();
    mModel->setWorkspace({width(), height()}, barHeight, barWidth);
    if (!mModel->state().ImageShown) {
        for (QWidget *part : {static_cast<QWidget *>(mHorizontal),
                              static_cast<QWidget *>(mVertical), mCorner, mPicMain})
            part->hide();
        update();
        return;
    }
    mPicMain->show();
    const ImageSize shown = mModel->viewSize();
    mPicMain->resize(shown.width, shown.height);
    const ScrollModel::Layout layout = mModel->layOutScrollBars();
    const int right = width() - barWidth;
    const int bottom = height() - barHeight;
    const int viewWidth = layout.vertical.visible ? right : width();
    const int viewHeight = layout.horizontal.visible ? bottom : height();
    mLayingOut = true;
    placeBar(mVertical, layout.vertical, QRect(right, 0, barWidth, viewHeight));
    placeBar(mHorizontal, layout.horizontal, QRect(0, bottom, viewWidth, barHeight));
    mLayingOut = false;
    mCorner->setGeometry(right, bottom, barWidth, barHeight);
    mCorner->setVisible(layout.cornerVisible);
    const Point at = mModel->picturePosition();
    mPicMain->move(at.x, at.y);
    mPicMain->lower();
    update();
}

void CanvasView::scrollTo(int horizontalStep, int verticalStep)
{
    mHorizontal->setValue(horizontalStep);
    mVertical->setValue(verticalStep);
}

void CanvasView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        zoomByWheel(event);
        return;
    }
    QPoint turn = event->angleDelta();
    if (turn.x() == 0 && (event->modifiers() & Qt::ShiftModifier))
        turn = {turn.y(), 0};
    // One notch (120) moves as many 20-pixel steps as the desktop scrolls lines.
    const int perStep =
        QWheelEvent::DefaultDeltasPerStep / std::max(1, QApplication::wheelScrollLines());
    mWheelRest += turn;
    const QPoint steps(mWheelRest.x() / perStep, mWheelRest.y() / perStep);
    mWheelRest -= steps * perStep;
    if (steps.x() != 0 && mHorizontal->isVisible())
        mHorizontal->setValue(mHorizontal->value() - steps.x());
    if (steps.y() != 0 && mVertical->isVisible())
        mVertical->setValue(mVertical->value() - steps.y());
    event->accept();
}

void CanvasView::zoomByWheel(QWheelEvent *event)
{
    mZoomRest += event->angleDelta().y();
    const int notches = mZoomRest / QWheelEvent::DefaultDeltasPerStep;
    mZoomRest -= notches * QWheelEvent::DefaultDeltasPerStep;
    const QPoint at = event->position().toPoint();
    if (notches != 0 && mZoom)
        mZoom->wheel(notches, {at.x(), at.y()});
    event->accept();
}

void CanvasView::onScroll(bool vertical, int value)
{
    if (mLayingOut || !mModel)
        return;
    const ScrollBarState state = mModel->scrolled(vertical, value);
    QScrollBar *bar = vertical ? mVertical : mHorizontal;
    if (bar->maximum() != state.maximum) {
        const QSignalBlocker quiet(bar);
        bar->setMaximum(state.maximum);
    }
    const Point at = mModel->picturePosition();
    mPicMain->move(at.x, at.y);
}

void CanvasView::paintEvent(QPaintEvent *)
{
    if (mModel && mModel->state().ImageShown) {
        QPainter painter(this);
        paintLedges(painter);
    }
    emit painted();
}

void CanvasView::paintLedges(QPainter &painter)
{
    const CanvasState &state = mModel->state();
    for (const WorkspaceLedges::Line &line :
         WorkspaceLedges::lines(mModel->viewSize(), {width(), height()}, state.VScrollMax != 0,
                                state.HScrollMax != 0)) {
        const int before = (line.width - 1) / 2;
        const QRect band =
            line.from.y == line.to.y
                ? QRect(line.from.x, line.from.y - before, line.to.x - line.from.x, line.width)
                : QRect(line.from.x - before, line.from.y, line.width, line.to.y - line.from.y);
        painter.fillRect(band, shadeOf(palette(), line.shade));
    }
}

} // namespace areamaker
