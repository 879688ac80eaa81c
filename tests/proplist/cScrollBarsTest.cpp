#include "cScrollBars.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kV = cScrollBars::efsVertical;
constexpr int kH = cScrollBars::efsHorizontal;

// A scroll area whose vertical bar spans 0..10 with a page of 3, at value 5.
class ScrollBarsTest : public ::testing::Test
{
protected:
    ScrollBarsTest()
    {
        mArea.resize(200, 200);
        mBars.Create(&mArea);
        mBars.SetVisible(kV, true);
        mBars.SetMin(kV, 0);
        mBars.SetMax(kV, 10);
        mBars.SetLargeChange(kV, 3);
        mBars.SetEnabled(kV, true);
        mBars.SetValue(kV, 5);
        mChange.clear();
    }

    int scroll(int code, int message = cScrollBars::kVScrollMessage)
    {
        return mBars.ISubclass_WindowProc(message, code);
    }

    QAbstractScrollArea mArea;
    cScrollBars mBars;
    QSignalSpy mChange{&mBars, &cScrollBars::Change};
    QSignalSpy mScroll{&mBars, &cScrollBars::Scroll};
};

} // namespace

TEST_F(ScrollBarsTest, ScrollCodesMoveTheValueWithinTheRange)
{
    struct Case
    {
        int start;
        int code;
        int expected;
    };
    const Case cases[] = {
        {5, cScrollBars::LineUp, 4},
        {0, cScrollBars::LineUp, 0},
        {5, cScrollBars::LineDown, 6},
        {10, cScrollBars::LineDown, 10},
        {5, cScrollBars::PageUp, 2},
        {1, cScrollBars::PageUp, 0},
        {5, cScrollBars::PageDown, 8},
        {9, cScrollBars::PageDown, 10},
        {5, cScrollBars::Top, 0},
        {5, cScrollBars::Bottom, 10},
        {5, cScrollBars::ThumbPosition, 5},
        {5, cScrollBars::EndScroll, 5},
        {5, 9, 5},
    };
    for (const Case &c : cases) {
        mBars.SetValue(kV, c.start);
        mChange.clear();
        EXPECT_EQ(scroll(c.code), 0);
        EXPECT_EQ(mBars.Value(kV), c.expected) << "code " << c.code << " from " << c.start;
        EXPECT_EQ(mChange.count(), c.start == c.expected ? 0 : 1)
            << "code " << c.code << " from " << c.start;
    }
    EXPECT_EQ(mScroll.count(), 0);
}

TEST_F(ScrollBarsTest, OnlyRealMovesAreReported)
{
    mChange.clear();
    mBars.SetValue(kV, 5);
    EXPECT_EQ(mChange.count(), 0) << "writing the current value";
    mBars.SetValue(kV, 7);
    ASSERT_EQ(mChange.count(), 1);
    EXPECT_EQ(mChange.at(0).at(0).toInt(), kV);
    mBars.SetValue(kV, 50);
    EXPECT_EQ(mBars.Value(kV), 10) << "the bar keeps the value inside its range";
    scroll(cScrollBars::LineDown);
    EXPECT_EQ(mChange.count(), 2) << "line down at the maximum";
}

TEST_F(ScrollBarsTest, SmallChangeSetsTheLineStep)
{
    mBars.SetSmallChange(kV, 4);
    EXPECT_EQ(mBars.SmallChange(kV), 4);
    scroll(cScrollBars::LineDown);
    EXPECT_EQ(mBars.Value(kV), 9);
    scroll(cScrollBars::LineUp);
    scroll(cScrollBars::LineUp);
    EXPECT_EQ(mBars.Value(kV), 1);
}

TEST_F(ScrollBarsTest, MessagesReachOnlyTheirBar)
{
    mArea.horizontalScrollBar()->setRange(0, 10);
    scroll(cScrollBars::Bottom, cScrollBars::kHScrollMessage);
    EXPECT_EQ(mBars.Value(kH), 10);
    EXPECT_EQ(mBars.Value(kV), 5);
    ASSERT_EQ(mChange.count(), 1);
    EXPECT_EQ(mChange.at(0).at(0).toInt(), kH);
    scroll(cScrollBars::Top, 512);
    EXPECT_EQ(mBars.Value(kV), 5) << "other messages are ignored";
    scroll(0x00030000 | cScrollBars::Top);
    EXPECT_EQ(mBars.Value(kV), 0) << "only the low word holds the code";
}

TEST_F(ScrollBarsTest, RecordedFlagsReadBackAndFlatStylesAreIgnored)
{
    mBars.SetEnabled(kH, true);
    mBars.SetEnabled(kV, false);
    EXPECT_TRUE(mBars.Enabled(kH));
    EXPECT_FALSE(mBars.Enabled(kV));
    EXPECT_FALSE(mArea.verticalScrollBar()->isEnabled());
    mBars.SetVisible(kH, false);
    EXPECT_FALSE(mBars.Visible(kH));
    EXPECT_EQ(mArea.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (int style : {1, 2}) {
        mBars.SetStyle(style);
        EXPECT_EQ(mBars.Style(), 0);
    }
    EXPECT_FALSE(mBars.CanBeFlat());
    EXPECT_EQ(mBars.ISubclass_MsgResponse(), 1);
}

TEST_F(ScrollBarsTest, OrientationShowsTheMatchingBars)
{
    const std::tuple<int, Qt::ScrollBarPolicy, Qt::ScrollBarPolicy> cases[] = {
        {cScrollBars::efsoHorizontal, Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOff},
        {cScrollBars::efsoVertical, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOn},
        {cScrollBars::efsoBoth, Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOn},
    };
    for (auto [orientation, horizontal, vertical] : cases) {
        mBars.SetOrientation(orientation);
        EXPECT_EQ(mBars.Orientation(), orientation);
        EXPECT_EQ(mArea.horizontalScrollBarPolicy(), horizontal);
        EXPECT_EQ(mArea.verticalScrollBarPolicy(), vertical);
    }
}

TEST_F(ScrollBarsTest, ClicksOnTheBarBecomeScrollCodes)
{
    mArea.show();
    QScrollBar *bar = mArea.verticalScrollBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(mBars.Value(kV), 6) << "the down arrow is a line down";
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 3));
    EXPECT_EQ(mBars.Value(kV), 5) << "the up arrow is a line up";
    EXPECT_EQ(mChange.count(), 2);
    mBars.SetSmallChange(kV, 2);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(mBars.Value(kV), 7);
    EXPECT_EQ(bar->sliderPosition(), 7);
}

TEST_F(ScrollBarsTest, DraggingTheThumbReportsEachNewPositionOnce)
{
    QScrollBar *bar = mArea.verticalScrollBar();
    mChange.clear();
    bar->setSliderDown(true);
    bar->setSliderPosition(8);
    bar->setSliderPosition(9);
    bar->setSliderDown(false);
    EXPECT_EQ(mBars.Value(kV), 9);
    EXPECT_EQ(mChange.count(), 2);
    EXPECT_EQ(mScroll.count(), 0) << "the value write already reported the position";
}

TEST(ScrollBars, InertBeforeCreateAndReleasedWithItsArea)
{
    cScrollBars bars;
    QSignalSpy change(&bars, &cScrollBars::Change);
    bars.SetValue(kV, 3);
    bars.ISubclass_WindowProc(cScrollBars::kVScrollMessage, cScrollBars::Bottom);
    EXPECT_EQ(bars.Value(kV), 0);
    EXPECT_EQ(change.count(), 0);
    {
        QAbstractScrollArea area;
        bars.Create(&area);
        area.verticalScrollBar()->setRange(0, 4);
        bars.SetValue(kV, 3);
        EXPECT_EQ(change.count(), 1);
    }
    bars.SetValue(kV, 1);
    EXPECT_EQ(bars.Max(kV), 0) << "a destroyed area is no longer addressed";
}
