#pragma once

#include <QAbstractScrollArea>

// The list surface of the property list: a scroll area that hands its painting, mouse and
// keyboard input to the control that owns it.
class ListSurface : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ListSurface(QWidget *parent = nullptr);

signals:
    void painting(QPainter *painter);
    void mouseReleased(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);
    // The receiver accepts the event when it handled the key.
    void keyPressed(QKeyEvent *event);
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Scrolling repaints through the scroll bar wrapper's events, never by moving pixels.
    void scrollContentsBy(int, int) override {}
};
