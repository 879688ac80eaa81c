#pragma once

#include "platform/EditorViews.h"

#include <array>
#include <string>

namespace areamaker {

class CommandBarPort;

// The six most recently opened pages, newest first, and their File menu items 10 to 15.
class RecentDocuments : public RecentDocumentsPort
{
public:
    static constexpr int SlotCount = 6;
    static constexpr int FirstItem = 10;
    static constexpr int SeparatorItem = 9;

    RecentDocuments(std::array<std::string, SlotCount> &paths, CommandBarPort *menu)
        : mSlots(paths), mMenu(menu)
    {
    }

    // Records the page (the word "NONE" only refreshes the menu).
    void addDocument(const std::string &path) override;
    void record(const std::string &path);
    // Empties the six slots and the menu.
    void clear();
    void refreshMenu();

    const std::string &slot(int index) const { return mSlots.at(static_cast<std::size_t>(index)); }

private:
    std::array<std::string, SlotCount> &mSlots;
    CommandBarPort *mMenu;
};

} // namespace areamaker
