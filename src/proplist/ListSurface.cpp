#include "ListSurface.h"

#include <QKeyEvent>
#include <QPainter>

ListSurface::ListSurface(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
}

void ListSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    emit painting(&painter);
}

void ListSurface::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event);
}

void ListSurface::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event);
}

void ListSurface::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
    emit keyPressed(event);
    if (!event->isAccepted())
        QAbstractScrollArea::keyPressEvent(event);
}

void ListSurface::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    emit resized();
}
