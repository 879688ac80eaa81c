#pragma once

#include <string>

namespace areamaker {

class AssistantPort;
class BrowserDiscovery;
class DocumentLifecycle;
class MapDocument;
class MessageBoxPort;
class SettingsStore;
class StartupHost;
struct CommandLine;
struct ShellState;

// The program's start: settings read, window loaded and shown, then the page named on the
// command line opened or the assistant started.
class StartupSequence
{
public:
    StartupSequence(ShellState &shell, SettingsStore &store, MapDocument &document)
        : mShell(shell), mStore(store), mDocument(document)
    {
    }

    // Everything before the main window exists. `programFolder` is where the program lives,
    // `programName` its file name, `version` as "major.minor.revision".
    void readSettings(const std::string &programFolder, const std::string &programName,
                      const std::string &version, BrowserDiscovery &browsers);
    void showMainWindow(StartupHost &host);
    // A map name that names no map of the page is said so, and the first map is shown.
    void openCommandLine(const CommandLine &line, DocumentLifecycle &lifecycle,
                         AssistantPort *assistant, MessageBoxPort &messages);

private:
    ShellState &mShell;
    SettingsStore &mStore;
    MapDocument &mDocument;
};

// The folder with one trailing separator.
std::string appFolderOf(const std::string &folder, char separator);

} // namespace areamaker
