#include "BitmapSheet.h"

#include "ResBitmapCatalog.h"

#include <QPainter>

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 14;
constexpr int kLabelHeight = 16;
constexpr int kSheetWidth = 660;
constexpr int kStringIds[] = {17, 18, 21, 22, 23};

} // namespace

BitmapSheet::BitmapSheet(QWidget *parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

QSize BitmapSheet::sizeHint() const
{
    return QSize(kSheetWidth, 640);
}

void BitmapSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int used = paintBitmaps(&painter, width());
    paintStrings(&painter, used + kGap);
}

int BitmapSheet::paintBitmaps(QPainter *painter, int width) const
{
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    painter->setPen(palette().color(QPalette::WindowText));
    for (const ResBitmapInfo &info : ResBitmapCatalog::all()) {
        const int cellWidth = std::max(info.width, 36);
        if (x + cellWidth > width - kMargin) {
            x = kMargin;
            y += rowHeight + kLabelHeight + kGap;
            rowHeight = 0;
        }
        // The small pictures sit on the button face, as in the editor's dialogs.
        if (info.bitsPerPixel == 4)
            mLoader.LoadRes3DBitmap(painter, info.id, x, y);
        else
            mLoader.LoadResBitmap(painter, info.id, x, y);
        painter->drawText(QRect(x - 4, y + info.height + 2, cellWidth + 8, kLabelHeight),
                          Qt::AlignHCenter | Qt::AlignTop, QString::number(info.id));
        x += cellWidth + kGap;
        rowHeight = std::max(rowHeight, info.height);
    }
    return y + rowHeight + kLabelHeight;
}

void BitmapSheet::paintStrings(QPainter *painter, int top) const
{
    const QRect area(kMargin, top, width() - 2 * kMargin, height() - top);
    QString text;
    for (int id : kStringIds)
        text += QStringLiteral("%1  %2\n").arg(id).arg(mLoader.LoadResTextString(id));
    painter->drawText(area, Qt::TextWordWrap, text);
}
