#pragma once

#include "NorvixProps3Export.h"
#include "PropItem.h"

#include <vector>

// Item slots of the property list in display order, with the list's capacity rules.
class NORVIXPROPS3_EXPORT PropItemStore
{
public:
    // Indices and counts are 16-bit in the control's interface.
    static constexpr int kMaxItems = 32767;
    static constexpr int kInitialCapacity = 2;

    PropItemStore();

    // Appends when index is negative or past the end, else inserts before index.
    // Returns the new item's index, or -1 when the list already holds kMaxItems items.
    int add(EPropItemType kind, qint32 tag, const QString &caption, const QString &value,
            int index);
    bool remove(int index);
    void clear();

    int count() const { return mCount; }
    int capacity() const { return static_cast<int>(mSlots.size()); }
    bool contains(int index) const { return index >= 0 && index < mCount; }
    const PropItem &at(int index) const { return mSlots[static_cast<size_t>(index)]; }
    void setValue(int index, const QString &value);
    // Index of the first item carrying tag, -1 when none does.
    int findTag(qint32 tag) const;

private:
    size_t freeSlot();

    std::vector<PropItem> mSlots;
    int mCount = 0;
};
