#include "shell/RecentDocuments.h"

#include "platform/CommandBarPort.h"
#include "shell/AppSettings.h"

#include <algorithm>

namespace areamaker {

void RecentDocuments::addDocument(const std::string &path)
{
    record(path);
    refreshMenu();
}

void RecentDocuments::record(const std::string &path)
{
    if (path == EmptySlot)
        return;
    // Slot 5 is not searched: a path found only there falls off the end as it moves up.
    const auto last = mSlots.begin() + (SlotCount - 1);
    const auto found = std::find(mSlots.begin(), last, path);
    std::rotate(mSlots.begin(), found == last ? last : found, (found == last ? last : found) + 1);
    mSlots.front() = path;
}

void RecentDocuments::clear()
{
    mSlots.fill(EmptySlot);
    refreshMenu();
}

void RecentDocuments::refreshMenu()
{
    if (!mMenu)
        return;
    bool anyShown = false;
    for (int i = 0; i < SlotCount; ++i) {
        const std::string &path = slot(i);
        const bool shown = path != EmptySlot;
        if (shown)
            mMenu->setMenuItemCaption(FirstItem + i, "&" + std::to_string(i + 1) + " " + path);
        mMenu->setMenuItemVisible(FirstItem + i, shown);
        anyShown = anyShown || shown;
    }
    mMenu->setMenuItemVisible(SeparatorItem, anyShown);
}

} // namespace areamaker
