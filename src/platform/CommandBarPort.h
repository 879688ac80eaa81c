#pragma once

#include <string>

namespace areamaker {

// The main menu's items by number and the toolbar's buttons by key.
class CommandBarPort
{
public:
    virtual ~CommandBarPort() = default;
    virtual void setMenuItemEnabled(int item, bool enabled) = 0;
    virtual void setMenuItemVisible(int item, bool visible) = 0;
    virtual void setMenuItemCaption(int item, const std::string &caption) = 0;
    virtual void setButtonEnabled(const std::string &key, bool enabled) = 0;
    virtual void setButtonPressed(const std::string &key, bool pressed) = 0;
    virtual void setButtonVisible(const std::string &key, bool visible) = 0;
};

} // namespace areamaker
