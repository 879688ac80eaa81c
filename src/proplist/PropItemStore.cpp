#include "PropItemStore.h"

PropItemStore::PropItemStore()
{
    clear();
}

int PropItemStore::add(EPropItemType kind, qint32 tag, const QString &caption, const QString &value,
                       int index)
{
    if (mCount >= kMaxItems)
        return -1;
    size_t target = freeSlot();
    if (contains(index)) {
        // Shift the whole array so the free slot found above moves behind the inserted item.
        for (size_t i = mSlots.size() - 1; i > static_cast<size_t>(index); --i)
            mSlots[i] = mSlots[i - 1];
        target = static_cast<size_t>(index);
    }
    mSlots[target] = PropItem{true, kind, tag, caption, value};
    ++mCount;
    return static_cast<int>(target);
}

bool PropItemStore::remove(int index)
{
    if (!contains(index))
        return false;
    for (int i = index; i < mCount - 1; ++i)
        mSlots[static_cast<size_t>(i)] = mSlots[static_cast<size_t>(i) + 1];
    mSlots[static_cast<size_t>(mCount) - 1] = PropItem{};
    --mCount;
    return true;
}

void PropItemStore::clear()
{
    mSlots.assign(kInitialCapacity, PropItem{});
    mCount = 0;
}

void PropItemStore::setValue(int index, const QString &value)
{
    if (contains(index))
        mSlots[static_cast<size_t>(index)].value = value;
}

int PropItemStore::findTag(qint32 tag) const
{
    for (int i = 0; i < mCount; ++i) {
        if (at(i).tag == tag)
            return i;
    }
    return -1;
}

size_t PropItemStore::freeSlot()
{
    // Items fill the slots from 0 without gaps, so the first free slot follows the last item.
    const auto first = static_cast<size_t>(mCount);
    if (first == mSlots.size())
        mSlots.emplace_back();
    return first;
}
