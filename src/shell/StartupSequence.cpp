#include "shell/StartupSequence.h"

#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "platform/AssistantPort.h"
#include "platform/MessageBoxPort.h"
#include "platform/SettingsStore.h"
#include "shell/BrowserDiscovery.h"
#include "shell/CommandLine.h"
#include "shell/SettingsTable.h"
#include "shell/ShellState.h"
#include "shell/StartupHost.h"

namespace areamaker {

namespace {

void showAssistant(ShellState &shell, AssistantPort *assistant, int step)
{
    shell.AssistantMode = step;
    if (assistant)
        assistant->showAssistant(step);
}

} // namespace

std::string appFolderOf(const std::string &folder, char separator)
{
    if (folder.empty() || folder.back() != separator)
        return folder + separator;
    return folder;
}

void StartupSequence::readSettings(const std::string &programFolder, const std::string &programName,
                                   const std::string &version, BrowserDiscovery &browsers)
{
    mShell.AppFolder = appFolderOf(programFolder, separatorOf(nativePathStyle()));
    mShell.MenuStyleFlag = false;
    mStore.write(ExternalSection, "AppEXE", mShell.AppFolder + programName);
    mStore.write(ExternalSection, "AppVER", version);
    mShell.Settings = SettingsTable::read(mStore);
    mShell.BrowserKind = browsers.discover(mShell.Settings.NavPath);
    mDocument.DocumentModified = false;
}

void StartupSequence::showMainWindow(StartupHost &host)
{
    host.loadMainWindow();
    host.showSplash();
    host.placeMainWindow(
        SettingsTable::readPlacement(mStore, host.screenWidth(), host.screenHeight()));
    host.showMainWindow();
}

void StartupSequence::openCommandLine(const CommandLine &line, DocumentLifecycle &lifecycle,
                                      AssistantPort *assistant, MessageBoxPort &messages)
{
    if (line.kind == CommandLine::Kind::None) {
        if (mShell.Settings.AutoWiz)
            showAssistant(mShell, assistant, 0);
        return;
    }
    if (line.kind == CommandLine::Kind::Invalid || !lifecycle.OpenDocument(line.page, true))
        return;
    if (line.mapName.empty()) {
        // Without the assistant the page is shown as the Open command shows it.
        if (assistant)
            showAssistant(mShell, assistant, 1);
        else
            lifecycle.ActivateMap(0, true);
        return;
    }
    for (int index = 0; index < mDocument.MapCount(); ++index) {
        if (mDocument.Maps[static_cast<std::size_t>(index)].NameAsRead == line.mapName) {
            lifecycle.ActivateMap(index, true);
            return;
        }
    }
    const bool hasMaps = mDocument.MapCount() > 0;
    messages.show({"La map '" + line.mapName + "' n'existe pas dans ce document." +
                       (hasMaps ? "\nLa première map du document est affichée." : ""),
                   "Areamaker", MessageButtons::Ok, MessageIcon::Information});
    if (hasMaps)
        lifecycle.ActivateMap(0, true);
}

} // namespace areamaker
