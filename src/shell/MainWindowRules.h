#pragma once

#include "platform/EditorViews.h"

#include <string>

namespace areamaker {

class CommandBarPort;
class MapDocument;

// The main window's rules: which commands are available, and what the title reads.
namespace MainWindowRules {

inline constexpr const char *ProductTitle = "Areamaker Pro";

void applyToolbarState(ToolbarState state, CommandBarPort &bar);
// The browser commands show only when a browser is known.
void UpdateNavigatorIcon(int browserKind, CommandBarPort &bar);
// Before the main menu drops down: Save, browser and Close follow the document state.
void updateDocumentItems(int documentState, CommandBarPort &bar);
// The Edit menu of the edit contexts: 0 nothing selected, 1 a zone selected, 3 no picture.
void updateEditMenu(int context, bool clipboardHoldsZone, CommandBarPort &bar);
// Once the menu has closed, Cut, Copy and Paste are available to their shortcuts again.
void armEditShortcuts(CommandBarPort &bar);
std::string windowTitle(const MapDocument &document);

} // namespace MainWindowRules

} // namespace areamaker
