#pragma once

namespace areamaker {

class BrowserLauncher;
class DocumentLifecycle;
class MapDocument;
class MessageBoxPort;
struct ShellState;

// The "Navigateur" command: shows the page as saved on disk in the browser of the settings.
class BrowserPreview
{
public:
    struct Parts
    {
        const ShellState &shell;
        const MapDocument &document;
        DocumentLifecycle &lifecycle;
        MessageBoxPort &messages;
        BrowserLauncher &launcher;
    };

    explicit BrowserPreview(const Parts &parts) : mParts(parts) {}

    // Offers to save unsaved edits first; Annuler or a failed save stops the command.
    void Preview();

private:
    bool savedOrDeclined();

    Parts mParts;
};

} // namespace areamaker
