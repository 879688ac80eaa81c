#include "PropItemStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<qint32> tags(const PropItemStore &store)
{
    std::vector<qint32> result;
    for (int i = 0; i < store.count(); ++i)
        result.push_back(store.at(i).tag);
    return result;
}

int addTagged(PropItemStore &store, qint32 tag, int index = -1)
{
    return store.add(E_ITEM_TEXT, tag, QStringLiteral("c"), QStringLiteral("v%1").arg(tag), index);
}

} // namespace

TEST(PropItemStore, CapacityStartsAtTwoGrowsByOneAndClearResetsIt)
{
    PropItemStore store;
    EXPECT_EQ(store.capacity(), 2);
    addTagged(store, 1);
    addTagged(store, 2);
    EXPECT_EQ(store.capacity(), 2);
    addTagged(store, 3);
    EXPECT_EQ(store.capacity(), 3);
    store.remove(0);
    EXPECT_EQ(store.capacity(), 3) << "removing never shrinks";
    addTagged(store, 4);
    EXPECT_EQ(store.capacity(), 3) << "the freed slot is reused";
    store.clear();
    EXPECT_EQ(store.capacity(), 2);
    EXPECT_EQ(store.count(), 0);
}

TEST(PropItemStore, AddAppendsOrInsertsByIndex)
{
    struct Case
    {
        int index;
        std::vector<qint32> expected;
        int returned;
    };
    const Case cases[] = {
        {0, {30, 10, 20}, 0},  {1, {10, 30, 20}, 1}, {-1, {10, 20, 30}, 2},
        {-7, {10, 20, 30}, 2}, {2, {10, 20, 30}, 2}, {99, {10, 20, 30}, 2},
    };
    for (const Case &c : cases) {
        PropItemStore store;
        addTagged(store, 10);
        addTagged(store, 20);
        EXPECT_EQ(addTagged(store, 30, c.index), c.returned) << "index " << c.index;
        EXPECT_EQ(tags(store), c.expected) << "index " << c.index;
        EXPECT_EQ(store.at(store.findTag(20)).value, QStringLiteral("v20"));
    }
}

TEST(PropItemStore, InsertingWithSpareSlotsKeepsEveryItem)
{
    PropItemStore store;
    for (qint32 tag : {1, 2, 3, 4})
        addTagged(store, tag);
    store.remove(3);
    store.remove(2); // two spare slots behind the items
    addTagged(store, 9, 0);
    addTagged(store, 8, 1);
    EXPECT_EQ(tags(store), (std::vector<qint32>{9, 8, 1, 2}));
    EXPECT_EQ(store.capacity(), 4);
}

TEST(PropItemStore, RemoveShiftsLaterItemsAndRejectsBadIndices)
{
    PropItemStore store;
    for (qint32 tag : {1, 2, 3})
        addTagged(store, tag);
    EXPECT_FALSE(store.remove(-1));
    EXPECT_FALSE(store.remove(3));
    EXPECT_TRUE(store.remove(0));
    EXPECT_EQ(tags(store), (std::vector<qint32>{2, 3}));
    EXPECT_EQ(store.at(0).value, QStringLiteral("v2"));
    EXPECT_EQ(addTagged(store, 4), 2);
    EXPECT_EQ(tags(store), (std::vector<qint32>{2, 3, 4}));
}

TEST(PropItemStore, FindTagTakesTheFirstMatch)
{
    PropItemStore store;
    addTagged(store, 5);
    addTagged(store, 7);
    addTagged(store, 7);
    store.setValue(1, QStringLiteral("first"));
    EXPECT_EQ(store.findTag(7), 1);
    EXPECT_EQ(store.findTag(6), -1);
    store.remove(2);
    EXPECT_EQ(store.findTag(7), 1);
    store.setValue(5, QStringLiteral("ignored"));
    EXPECT_EQ(store.count(), 2);
}

TEST(PropItemStore, RefusesItemsBeyondTheSixteenBitLimit)
{
    PropItemStore store;
    for (int i = 0; i < PropItemStore::kMaxItems; ++i)
        ASSERT_EQ(addTagged(store, i), i);
    EXPECT_EQ(addTagged(store, -1), -1);
    EXPECT_EQ(addTagged(store, -1, 0), -1);
    EXPECT_EQ(store.count(), PropItemStore::kMaxItems);
    EXPECT_EQ(store.at(0).tag, 0);
}
