#include "shell/MainCommands.h"

#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "document/Paths.h"
#include "platform/AssistantPort.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxPort.h"
#include "shell/RecentDocuments.h"
#include "shell/ShellState.h"

namespace areamaker {

namespace {

std::string quoted(const std::string &path)
{
    return "'" + shownPath(path) + "'\n\n";
}

} // namespace

void MainCommands::showAssistant(int step)
{
    mParts.shell.AssistantMode = step;
    if (mParts.assistant)
        mParts.assistant->showAssistant(step);
}

void MainCommands::New()
{
    // A window that never had a document is as empty as one whose document was closed.
    if (mParts.document.DocumentState != DocumentOpen) {
        showAssistant(0);
        return;
    }
    if (mParts.document.anyMapModified()) {
        const MessageAnswer answer = mParts.messages.show(
            {"Avant d'ajouter une nouvelle image map, Areamaker doit enregistrer le document "
             "dans son état actuel.\n\nEnregistrer les modifications et passer à l'assistant?",
             "Confirmation", MessageButtons::YesNo, MessageIcon::Question});
        if (answer == MessageAnswer::Yes && !mParts.lifecycle.SaveDocument())
            return;
    }
    showAssistant(1);
}

void MainCommands::Open()
{
    if (mParts.lifecycle.OpenDocument("NONE", false))
        activateFirstMapOrAssist();
}

bool MainCommands::Save()
{
    return mParts.lifecycle.SaveDocument();
}

void MainCommands::Close()
{
    if (!mParts.lifecycle.promptToSave())
        return;
    mParts.lifecycle.CloseDocument(true);
}

void MainCommands::openRecent(int slot)
{
    const std::string path = mParts.recent.slot(slot);
    const MapDocument &document = mParts.document;
    if (document.DocumentState == DocumentOpen && samePath(path, document.Path)) {
        mParts.messages.show({quoted(path) + "Ce fichier est présentement ouvert dans l'éditeur.",
                              "Areamaker", MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    if (path.empty() || !mParts.files.fileExists(path)) {
        mParts.messages.show({quoted(path) + "Ce fichier n'existe pas!\nAssurez-vous que le "
                                             "chemin et le nom sont corrects.",
                              "Areamaker", MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    if (mParts.lifecycle.OpenDocument(path, false))
        activateFirstMapOrAssist();
    mParts.recent.addDocument(path);
}

void MainCommands::activateFirstMapOrAssist()
{
    if (!mParts.lifecycle.ActivateMap(0, true))
        showAssistant(1);
}

} // namespace areamaker
