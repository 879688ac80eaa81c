#pragma once

#include "platform/CommandBarPort.h"

#include <map>
#include <string>

namespace areamaker::testing {

// Remembers the last state given to each menu item and toolbar button.
class RecordingCommandBar : public CommandBarPort
{
public:
    std::map<int, bool> itemEnabled;
    std::map<int, bool> itemVisible;
    std::map<int, std::string> itemCaption;
    std::map<std::string, bool> buttonEnabled;
    std::map<std::string, bool> buttonPressed;
    std::map<std::string, bool> buttonVisible;

    void setMenuItemEnabled(int item, bool on) override { itemEnabled[item] = on; }
    void setMenuItemVisible(int item, bool on) override { itemVisible[item] = on; }
    void setMenuItemCaption(int item, const std::string &caption) override
    {
        itemCaption[item] = caption;
    }
    void setButtonEnabled(const std::string &key, bool on) override { buttonEnabled[key] = on; }
    void setButtonPressed(const std::string &key, bool on) override { buttonPressed[key] = on; }
    void setButtonVisible(const std::string &key, bool on) override { buttonVisible[key] = on; }
};

} // namespace areamaker::testing
