#include "shell/MainWindowRules.h"

#include "document/MapDocument.h"
#include "document/Paths.h"
#include "platform/CommandBarPort.h"

#include <initializer_list>

namespace areamaker::MainWindowRules {

namespace {

// The buttons that need an active map: clipboard, tools, properties and delete.
constexpr std::initializer_list<const char *> MapButtons = {"5",  "6",  "7",  "11", "12",
                                                            "13", "14", "16", "17"};

// Save, the browser, Close and the page check: the items that need an open page.
constexpr std::initializer_list<int> DocumentItems = {4, 5, 6, 45};

void enableButtons(CommandBarPort &bar, std::initializer_list<const char *> keys, bool on)
{
    for (const char *key : keys)
        bar.setButtonEnabled(key, on);
}

void enableItems(CommandBarPort &bar, std::initializer_list<int> items, bool on)
{
    for (int item : items)
        bar.setMenuItemEnabled(item, on);
}

} // namespace

void applyToolbarState(ToolbarState state, CommandBarPort &bar)
{
    switch (state) {
    case ToolbarState::NoDocument:
        // Nothing for them to act on, from the keyboard either.
        enableItems(bar, DocumentItems, false);
        enableButtons(bar, {"2", "3"}, false);
        enableButtons(bar, MapButtons, false);
        bar.setButtonPressed("11", false);
        break;
    case ToolbarState::DocumentOpen:
        enableItems(bar, DocumentItems, true);
        enableButtons(bar, {"0", "2", "3"}, true);
        break;
    case ToolbarState::MapActive:
        enableButtons(bar, MapButtons, true);
        bar.setButtonPressed("11", true);
        break;
    case ToolbarState::NoPicture:
        enableButtons(bar, MapButtons, false);
        bar.setButtonPressed("11", false);
        break;
    }
}

void UpdateNavigatorIcon(int browserKind, CommandBarPort &bar)
{
    const bool known = browserKind != 0;
    bar.setButtonVisible("3", known);
    bar.setMenuItemVisible(5, known);
}

void updateDocumentItems(int documentState, CommandBarPort &bar)
{
    if (documentState == DocumentClosed)
        enableItems(bar, DocumentItems, false);
    else if (documentState == DocumentOpen)
        enableItems(bar, DocumentItems, true);
}

void updateEditMenu(int context, bool clipboardHoldsZone, CommandBarPort &bar)
{
    switch (context) {
    case 0:
        enableItems(bar, {19, 29}, true);
        enableItems(bar, {24, 25, 27, 38, 39}, false);
        bar.setMenuItemEnabled(26, clipboardHoldsZone);
        break;
    case 1:
        enableItems(bar, {19, 24, 25, 27, 29, 38, 39}, true);
        bar.setMenuItemEnabled(26, clipboardHoldsZone);
        break;
    case 3:
        enableItems(bar, {19, 24, 25, 26, 27, 29, 38, 39}, false);
        break;
    default:
        break;
    }
}

void armEditShortcuts(CommandBarPort &bar)
{
    enableItems(bar, {24, 25, 26}, true);
}

std::string windowTitle(const MapDocument &document)
{
    if (document.DocumentState != DocumentOpen)
        return ProductTitle;
    std::string title = std::string(ProductTitle) + " - " + FileNamePart(document.Path);
    if (document.DocumentModified)
        title += '*';
    return title;
}

} // namespace areamaker::MainWindowRules
