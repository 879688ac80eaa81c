#include "shell/ExitSequence.h"

#include "document/DocumentLifecycle.h"
#include "shell/SettingsTable.h"
#include "shell/ShellState.h"

namespace areamaker {

bool ExitSequence::run(CloseReason reason, const WindowPlacement &window)
{
    // A Yes whose save fails or is cancelled keeps the window open: the edits survive.
    if (reason != CloseReason::Session && !mLifecycle.promptToSave())
        return false;
    SettingsTable::write(mStore, mShell.Settings);
    SettingsTable::writePlacement(mStore, window);
    return true;
}

} // namespace areamaker
