#pragma once

#include "MemorySettingsStore.h"
#include "RecordingCommandBar.h"
#include "ScriptedDialogs.h"
#include "SidePaneFixture.h"
#include "canvas/CanvasClipboard.h"
#include "canvas/ZoneOrder.h"
#include "shell/EditCommands.h"
#include "shell/MapPropertiesForm.h"
#include "shell/PropertiesCommand.h"
#include "shell/ZonePropertiesForm.h"

namespace areamaker::testing {

// The side-pane page with the canvas's edit commands, the clipboard and the properties
// dialogs over scripted fakes.
class EditFixture : public SidePaneFixture
{
protected:
    EditFixture()
    {
        grid.setProperties(&properties);
        tree.setProperties(&properties);
    }

    // Selects a zone as a click on it would, without a right click.
    void select(int zone)
    {
        canvas.selectZone(zone);
        canvas.RedrawCanvas();
        views.gridFills.clear();
    }
    // A right click on the picture, at a point of the picture.
    void rightClick(Point at) { edits.rightRelease(at); }

    MemorySettingsStore profile;
    ScriptedDialogs dialogs;
    RecordingCommandBar menus;
    RecordingPopup popup;
    CanvasClipboard clipboard{canvas};
    PropertiesCommand properties{document, canvas, dialogs, &profile, ",", PathStyle::Posix};
    ZoneOrder order{canvas};
    EditCommands edits{{canvas, editor, clipboard, properties, menus, popup, order}};
};

} // namespace areamaker::testing
