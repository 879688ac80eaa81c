#pragma once

#include <QWidget>

namespace areamaker {

// The checkered bar shown over the window while a splitter is dragged; its pixels invert
// what lies below, as a drag bar drawn twice would erase itself.
class SplitterBar : public QWidget
{
    Q_OBJECT

public:
    explicit SplitterBar(QWidget *window);

    // Shows the bar over `area`, in the coordinates of the window it was made for.
    void showAt(const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace areamaker
