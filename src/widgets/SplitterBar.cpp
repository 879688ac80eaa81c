#include "widgets/SplitterBar.h"

#include <QBitmap>
#include <QPainter>

namespace areamaker {

namespace {

// Rows alternating 0xAA and 0x55: every other pixel, shifted on each row.
QBrush checker()
{
    QImage pattern(8, 8, QImage::Format_MonoLSB);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (x + y) % 2 == 0 ? 1 : 0);
    }
    QBrush brush(Qt::white);
    brush.setTexture(QBitmap::fromImage(pattern));
    return brush;
}

} // namespace

SplitterBar::SplitterBar(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("splitterBar"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void SplitterBar::showAt(const QRect &area)
{
    setGeometry(area);
    raise();
    show();
    update();
}

void SplitterBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(rect(), checker());
}

} // namespace areamaker
