#include "shell/BrowserPreview.h"

#include "document/DocumentLifecycle.h"
#include "document/FileUrl.h"
#include "document/MapDocument.h"
#include "platform/BrowserLauncher.h"
#include "platform/MessageBoxPort.h"
#include "shell/BrowserDiscovery.h"
#include "shell/ShellState.h"

namespace areamaker {

void BrowserPreview::Preview()
{
    if (mParts.shell.BrowserKind == NoBrowser || mParts.document.DocumentState != DocumentOpen)
        return;
    if (!savedOrDeclined())
        return;
    const std::string &program = mParts.shell.Settings.NavPath;
    const std::string reason = mParts.launcher.launch(program, FileUrl(mParts.document.Path));
    // Nothing else would tell the user why no browser window appeared.
    if (!reason.empty())
        mParts.messages.show(
            {"Impossible de démarrer le navigateur '" + program + "'.\n\n" + reason, "Erreur",
             MessageButtons::Ok, MessageIcon::Exclamation});
}

bool BrowserPreview::savedOrDeclined()
{
    if (!mParts.document.DocumentModified)
        return true;
    const MessageAnswer answer = mParts.messages.show(
        {"Pour visualiser la dernière version du document dans le navigateur,\nvous devez "
         "enregistrer votre travail sur le disque dur.\n\nEnregistrer les modifications avant de "
         "passer au navigateur ?",
         "Confirmation", MessageButtons::YesNoCancel, MessageIcon::Question});
    if (answer == MessageAnswer::Cancel)
        return false;
    return answer == MessageAnswer::No || mParts.lifecycle.SaveDocument();
}

} // namespace areamaker
