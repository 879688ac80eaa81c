#include "ListHarness.h"
#include "PropListGeometry.h"

#include <QAbstractScrollArea>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace PropListGeometry;

namespace {

int countPixels(const QImage &image, const QRect &area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

bool isPlain(const QImage &image, const QRect &area, QRgb colour)
{
    return countPixels(image, area, colour) == area.width() * area.height();
}

class PropertyListPaint : public ::testing::Test
{
protected:
    QRgb role(QPalette::ColorRole colourRole) { return list().palette().color(colourRole).rgb(); }
    PropertyList &list() { return mHarness.list(); }
    int width() { return mHarness.surfaceWidth(); }
    int split() { return splitX(width()); }

    ListHarness mHarness{5};
};

} // namespace

TEST_F(PropertyListPaint, AnEmptyListDrawsNothing)
{
    const QImage image = mHarness.render();
    EXPECT_TRUE(isPlain(image, image.rect(), role(QPalette::Base)));
}

TEST_F(PropertyListPaint, GridLinesStopAfterTheLastItem)
{
    mHarness.fill(3);
    const QImage image = mHarness.render();
    const QRgb grid = role(QPalette::Midlight);
    ASSERT_NE(grid, role(QPalette::Base));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(image.pixel(1, gridLineY(row)), grid) << "row " << row;
        EXPECT_EQ(image.pixel(width() - 2, gridLineY(row)), grid) << "row " << row;
    }
    EXPECT_EQ(image.pixel(1, gridLineY(3)), role(QPalette::Base));
    for (int y : {0, 20, 47})
        EXPECT_EQ(image.pixel(split(), y), grid) << "split line at " << y;
    EXPECT_EQ(image.pixel(split(), 48), role(QPalette::Base));
}

TEST_F(PropertyListPaint, SplitLineRunsToTheBottomWhenRowsOverflow)
{
    mHarness.fill(7);
    const QImage image = mHarness.render();
    EXPECT_EQ(image.pixel(split(), image.height() - 1), role(QPalette::Midlight));
    EXPECT_EQ(image.pixel(1, gridLineY(4)), role(QPalette::Midlight));
    EXPECT_EQ(image.pixel(1, image.height() - 1), role(QPalette::Base)) << "the partial strip";
}

TEST_F(PropertyListPaint, SelectedCaptionCellIsHighlighted)
{
    mHarness.fill(3);
    list().SelectItem(1);
    const QImage image = mHarness.render();
    const QRect cell = captionCell(1, split());
    const QRgb highlight = role(QPalette::Highlight);
    for (QPoint corner : {cell.topLeft(), cell.topRight(), cell.bottomLeft(), cell.bottomRight()})
        EXPECT_EQ(image.pixel(corner), highlight) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(split(), 20), role(QPalette::Midlight));
    EXPECT_EQ(image.pixel(1, gridLineY(1)), role(QPalette::Midlight));
    EXPECT_GT(countPixels(image, cell, role(QPalette::HighlightedText)), 0) << "caption text";
    EXPECT_EQ(countPixels(image, captionCell(0, split()), highlight), 0);
    const QRect value = valueTextRect(1, split(), width());
    EXPECT_GT(countPixels(image, value, role(QPalette::ButtonText)), 0) << "fixed value drawn";
}

TEST_F(PropertyListPaint, LongTextsStayInsideTheirCells)
{
    const QString longText(60, QChar('M'));
    list().AddItem(E_ITEM_FIXED, 1, longText, longText, true);
    const QImage image = mHarness.render();
    const QRect gap(split() + 1, 1, 2, 14);
    EXPECT_TRUE(isPlain(image, gap, role(QPalette::Base))) << "the caption is cut before the split";
    EXPECT_GT(countPixels(image, QRect(width() - 40, 1, 40, 14), role(QPalette::ButtonText)), 0);
}

TEST_F(PropertyListPaint, TheEditBoxAloneShowsTheSelectedTextValue)
{
    const QString longText(60, QChar('M'));
    list().AddItem(E_ITEM_FIXED, 1, "a", "b", true);
    list().AddItem(E_ITEM_TEXT, 2, "text", longText, true);
    list().SelectItem(1);
    EXPECT_EQ(list().txtItem()->geometry(), editBoxRect(1, split(), width()));
    const QRect value = valueTextRect(1, split(), width());
    EXPECT_GT(countPixels(mHarness.render(), value, role(QPalette::Text)), 0);
    list().txtItem()->hide();
    EXPECT_TRUE(isPlain(mHarness.render(), value.adjusted(0, 0, 0, -1), role(QPalette::Base)))
        << "the list does not paint under the edit box";
}

TEST_F(PropertyListPaint, MoreButtonSitsAtTheRightOfItsRow)
{
    list().AddItem(E_ITEM_FIXED, 1, "a", "b", true);
    list().AddItem(E_ITEM_MORE, 2, "more", "value", true);
    list().SelectItem(1);
    const QRect button = buttonRect(1, width());
    EXPECT_EQ(list().cmdItem()->geometry(), button);
    const QImage image = mHarness.render();
    EXPECT_LT(countPixels(image, button, role(QPalette::Base)),
              button.width() * button.height() / 2);
    const QRect text(split() + 3, 17, 30, 14);
    EXPECT_GT(countPixels(image, text, role(QPalette::ButtonText)), 0) << "value beside the button";
}

TEST_F(PropertyListPaint, SelectedNoneItemLeavesItsValueCellEmpty)
{
    list().AddItem(E_ITEM_NONE, 1, "none", "hidden value", true);
    list().SelectItem(0);
    const QImage image = mHarness.render();
    EXPECT_EQ(image.pixel(1, 1), role(QPalette::Highlight));
    EXPECT_TRUE(isPlain(image, valueTextRect(0, split(), width()).adjusted(0, 0, 0, -1),
                        role(QPalette::Base)));
}

TEST_F(PropertyListPaint, FrameHasARaisedEdgeAroundTheInsetList)
{
    const QImage frame = list().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int right = frame.width() - 1;
    const int bottom = frame.height() - 1;
    EXPECT_EQ(frame.pixel(0, bottom / 2), role(QPalette::Light));
    EXPECT_EQ(frame.pixel(right / 2, 0), role(QPalette::Light));
    EXPECT_EQ(frame.pixel(right, bottom / 2), role(QPalette::Dark));
    EXPECT_EQ(frame.pixel(right / 2, bottom), role(QPalette::Dark));
    EXPECT_EQ(list().picControl()->geometry(),
              QRect(kInset, kInset, right + 1 - 8, bottom + 1 - 8));
    EXPECT_EQ(frame.pixel(kInset, kInset), role(QPalette::Base));
}

TEST_F(PropertyListPaint, AnIdleListStopsRepainting)
{
    mHarness.fill(12, E_ITEM_TEXT);
    list().SelectItem(9);
    QTest::qWait(50);
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    mHarness.surface()->installEventFilter(&counter);
    mHarness.surface()->update();
    QTest::qWait(100);
    EXPECT_EQ(counter.paints, 1) << "painting must not schedule another paint";
}
