#pragma once

#include <string>

namespace areamaker {

class AssistantPort;
class DocumentLifecycle;
class FileSystem;
class MapDocument;
class MessageBoxPort;
class RecentDocuments;
struct ShellState;

// The File menu's document commands: new map, open, save, close and open from the history.
class MainCommands
{
public:
    struct Parts
    {
        ShellState &shell;
        MapDocument &document;
        DocumentLifecycle &lifecycle;
        RecentDocuments &recent;
        MessageBoxPort &messages;
        const FileSystem &files;
        AssistantPort *assistant = nullptr;
    };

    explicit MainCommands(const Parts &parts) : mParts(parts) {}

    void New();
    void Open();
    bool Save();
    void Close();
    void openRecent(int slot);

private:
    void activateFirstMapOrAssist();
    void showAssistant(int step);

    Parts mParts;
};

} // namespace areamaker
