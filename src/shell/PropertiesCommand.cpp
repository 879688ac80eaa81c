#include "shell/PropertiesCommand.h"

#include "canvas/CanvasModel.h"
#include "document/MapDocument.h"
#include "platform/PropertyDialogsPort.h"
#include "shell/MapPropertiesForm.h"
#include "shell/ZonePropertiesForm.h"

namespace areamaker {

PropertiesCommand::PropertiesCommand(MapDocument &document, CanvasModel &canvas,
                                     PropertyDialogsPort &dialogs, const SettingsStore *profile,
                                     std::string decimalSeparator, PathStyle style)
    : mDocument(document), mCanvas(canvas), mDialogs(dialogs), mProfile(profile),
      mDecimalSeparator(std::move(decimalSeparator)), mStyle(style)
{
}

void PropertiesCommand::ShowProperties(bool forceMap)
{
    CanvasState &state = mCanvas.state();
    if (forceMap) {
        showMapDialog();
    } else if (state.MapFocus == 1 || mDocument.SelectedZoneIndex == -1) {
        showMapDialog();
        state.MapFocus = 0;
    } else {
        showZoneDialog();
    }
}

void PropertiesCommand::showPropertiesOfSelection()
{
    mCanvas.state().MapFocus = mCanvas.selectedZone() ? 0 : 1;
    ShowProperties(false);
}

void PropertiesCommand::showZoneDialog()
{
    // Both dialogs write what OK finds in them: a read-only map is refused before they open.
    if (!mCanvas.mayEditActiveMap())
        return;
    mCanvas.ports().status->setPanelText("ETAT", "Propriétés de la région");
    ZonePropertiesForm form(mDocument, mCanvas, mProfile, mStyle);
    mDialogs.showZoneDialog(form);
    closed();
}

void PropertiesCommand::showMapDialog()
{
    if (!mDocument.activeMap() || !mCanvas.mayEditActiveMap())
        return;
    mCanvas.ports().status->setPanelText("ETAT", "Propriétés de l'image map");
    MapPropertiesForm form(mDocument, mCanvas, mDecimalSeparator, mStyle);
    mDialogs.showMapDialog(form);
    closed();
}

void PropertiesCommand::closed()
{
    mCanvas.ports().status->setPanelText("ETAT", "Prêt");
    mCanvas.startDisplayTimer();
}

} // namespace areamaker
