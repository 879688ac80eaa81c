#pragma once

#include "ResLoader.h"

#include <QWidget>

// Paints every bitmap of the resource library with its id, the way the editor's windows do.
class BitmapSheet : public QWidget
{
    Q_OBJECT

public:
    explicit BitmapSheet(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Draws the bitmaps row by row and returns the height used.
    int paintBitmaps(QPainter *painter, int width) const;
    void paintStrings(QPainter *painter, int top) const;

    ResLoader mLoader;
};
