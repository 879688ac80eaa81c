#include "ListHarness.h"
#include "cScrollBars.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

constexpr int kV = cScrollBars::efsVertical;

} // namespace

TEST(PropertyList, LooksUpItemsByIndexAndByFirstTag)
{
    ListHarness harness;
    PropertyList &list = harness.list();
    EXPECT_EQ(list.AddItem(E_ITEM_TEXT, 10, "a", "ten", true), 0);
    EXPECT_EQ(list.AddItem(E_ITEM_MORE, 20, "b", "twenty", true), 1);
    EXPECT_EQ(list.AddItem(E_ITEM_FIXED, 5, "new", "five", true, 0), 0);
    EXPECT_EQ(list.AddItem(E_ITEM_FIXED, 20, "c", "second twenty", true), 3);

    EXPECT_EQ(list.ItemValueByTagId(20), "twenty");
    EXPECT_EQ(list.ItemTypeByTagId(10), E_ITEM_TEXT);
    EXPECT_EQ(list.ItemValue(0), "five");
    EXPECT_EQ(list.ItemType(1), E_ITEM_TEXT);
    list.SetItemValueByTagId(20, "changed");
    EXPECT_EQ(list.ItemValue(2), "changed");
    EXPECT_EQ(list.ItemValue(3), "second twenty");

    for (int bad : {-1, 4, 32767}) {
        EXPECT_EQ(list.ItemValue(bad), QString());
        EXPECT_EQ(list.ItemType(bad), E_ITEM_NONE);
        list.SetItemValue(bad, "x");
    }
    EXPECT_EQ(list.ItemValueByTagId(99), QString());
    EXPECT_EQ(list.ItemTypeByTagId(99), E_ITEM_NONE);
    list.SetItemValueByTagId(99, "x");
    EXPECT_EQ(list.ItemValue(0), "five");
}

TEST(PropertyList, RemoveAndClearResetSelectionAndScroll)
{
    ListHarness harness(3);
    PropertyList &list = harness.list();
    harness.fill(6);
    list.SelectItem(5);
    ASSERT_EQ(list.TopIndex(), 3);
    EXPECT_FALSE(list.RemoveItem(6, true));
    EXPECT_EQ(list.SelectedIndex(), 5) << "a refused removal changes nothing";
    EXPECT_TRUE(list.RemoveItem(0, true));
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(list.TopIndex(), 0);
    EXPECT_EQ(list.gScrollBars()->Value(kV), 0);
    EXPECT_EQ(list.ItemValueByTagId(101), "v1");
    EXPECT_EQ(list.AddItem(E_ITEM_FIXED, 7, "t", "x", true), 5);
    EXPECT_TRUE(list.ClearItem(true));
    EXPECT_EQ(list.Capacity(), 2);
    EXPECT_EQ(list.ItemValue(0), QString());
    EXPECT_FALSE(list.gScrollBars()->Enabled(kV));
}

TEST(PropertyList, ScrollBarFollowsTheRowsThatDoNotFit)
{
    struct Case
    {
        int items;
        bool enabled;
        int maximum;
    };
    const Case cases[] = {{0, false, 3}, {4, false, 3}, {5, false, 3}, {6, true, 1}, {9, true, 4}};
    for (const Case &c : cases) {
        ListHarness harness(5);
        harness.fill(c.items);
        harness.list().ClearItem(false);
        harness.fill(c.items);
        cScrollBars *bars = harness.list().gScrollBars();
        EXPECT_EQ(bars->Enabled(kV), c.enabled) << c.items << " items";
        EXPECT_EQ(bars->Value(kV), 0) << c.items << " items";
        if (c.enabled) {
            EXPECT_EQ(bars->Max(kV), c.maximum) << c.items << " items";
        }
    }
}

TEST(PropertyList, SelectingScrollsTheItemIntoView)
{
    struct Case
    {
        int start;
        int select;
        int top;
    };
    // Five visible rows over twelve items.
    const Case cases[] = {{0, 3, 0}, {0, 9, 5},  {0, 11, 7}, {7, 2, 2},
                          {7, 8, 7}, {7, 12, 7}, {7, -1, 7}};
    for (const Case &c : cases) {
        ListHarness harness(5);
        harness.fill(12);
        harness.list().gScrollBars()->SetValue(kV, c.start);
        harness.list().SelectItem(c.select);
        EXPECT_EQ(harness.list().TopIndex(), c.top) << "select " << c.select << " from " << c.start;
        EXPECT_EQ(harness.list().gScrollBars()->Value(kV), c.top);
    }
}

TEST(PropertyList, SelectionAfterSilentAdditionsStillScrolls)
{
    ListHarness harness(5);
    for (int i = 0; i < 12; ++i)
        harness.list().AddItem(E_ITEM_FIXED, i, "c", "v", false);
    harness.list().SelectItem(10);
    EXPECT_EQ(harness.list().TopIndex(), 6);
}

TEST(PropertyList, ShrinkingTheListClampsTheTopRow)
{
    ListHarness harness(5);
    harness.fill(12);
    harness.list().SelectItem(11);
    ASSERT_EQ(harness.list().TopIndex(), 7);
    harness.list().resize(harness.list().width(), 8 + 16 * 8);
    EXPECT_EQ(harness.list().gScrollBars()->Max(kV), 4);
    EXPECT_EQ(harness.list().TopIndex(), 4);
}

TEST(PropertyList, EditorAndButtonFollowTheSelectedRow)
{
    ListHarness harness(5);
    PropertyList &list = harness.list();
    list.AddItem(E_ITEM_TEXT, 1, "text", "hello", true);
    list.AddItem(E_ITEM_MORE, 2, "more", "...", true);
    list.AddItem(E_ITEM_FIXED, 3, "fixed", "f", true);
    for (int i = 0; i < 6; ++i)
        list.AddItem(E_ITEM_NONE, 10 + i, "none", "", true);

    list.SelectItem(0);
    EXPECT_TRUE(list.txtItem()->isVisible());
    EXPECT_EQ(list.txtItem()->text(), "hello");
    EXPECT_FALSE(list.cmdItem()->isVisible());
    list.SelectItem(1);
    EXPECT_FALSE(list.txtItem()->isVisible());
    EXPECT_TRUE(list.cmdItem()->isVisible());
    list.SelectItem(0);
    list.gScrollBars()->SetValue(kV, 4);
    EXPECT_FALSE(list.txtItem()->isVisible()) << "the text row scrolled out of view";
    list.gScrollBars()->SetValue(kV, 0);
    EXPECT_TRUE(list.txtItem()->isVisible());
    EXPECT_EQ(list.txtItem()->geometry().top(), 1);
    list.SelectItem(0);
    list.SetItemValue(0, "world");
    EXPECT_EQ(list.txtItem()->text(), "world");
    list.RemoveItem(0, false);
    EXPECT_FALSE(list.txtItem()->isVisible()) << "no stale editor, even without a repaint";
}
