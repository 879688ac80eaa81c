#include "PropListPainter.h"

#include "PropListGeometry.h"

#include <QFontMetrics>
#include <QPainter>

using namespace PropListGeometry;

namespace {

// Kinds whose selected row still shows the value as text.
bool drawsSelectedValue(EPropItemType kind)
{
    return kind == E_ITEM_FIXED || kind == E_ITEM_MORE;
}

} // namespace

PropListPainter::PropListPainter(QPainter &painter, const QPalette &palette, QSize listSize)
    : mPainter(painter), mPalette(palette), mSize(listSize), mSplit(splitX(listSize.width()))
{
}

void PropListPainter::drawGrid(int rows, int splitBottom)
{
    mPainter.setPen(mPalette.color(QPalette::Midlight));
    for (int row = 0; row < rows; ++row)
        mPainter.drawLine(0, gridLineY(row), mSize.width() - 1, gridLineY(row));
    if (rows > 0)
        mPainter.drawLine(mSplit, 0, mSplit, splitBottom - 1);
}

void PropListPainter::drawRow(int row, const PropItem &item, bool selected)
{
    const QRect valueRect = valueTextRect(row, mSplit, mSize.width());
    if (!selected) {
        drawText(captionTextRect(row, mSplit), item.caption, QPalette::ButtonText);
        drawText(valueRect, item.value, QPalette::ButtonText);
        return;
    }
    mPainter.fillRect(captionCell(row, mSplit), mPalette.color(QPalette::Highlight));
    drawText(captionTextRect(row, mSplit), item.caption, QPalette::HighlightedText);
    if (drawsSelectedValue(item.kind))
        drawText(valueRect, item.value, QPalette::ButtonText);
}

void PropListPainter::drawText(const QRect &rect, const QString &text, QPalette::ColorRole role)
{
    const QString shown = mPainter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width());
    mPainter.save();
    mPainter.setClipRect(rect);
    mPainter.setPen(mPalette.color(role));
    mPainter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    mPainter.restore();
}
