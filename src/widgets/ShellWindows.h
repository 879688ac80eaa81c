#pragma once

#include "help/QtHelpViewer.h"
#include "platform/OptionsHost.h"
#include "shell/BrowserPreview.h"
#include "shell/HTMLHelp.h"

namespace areamaker {

class CanvasModel;
class CommandBar;
class DocumentLifecycle;
class MainWindow;
class MapDocument;
class RecentDocuments;
struct SessionPorts;
struct ShellState;

// The windows and commands around the editing: the browser preview, the options dialog,
// help, the splash and the about window.
class ShellWindows : public OptionsHost
{
public:
    struct Parts
    {
        ShellState &shell;
        MapDocument &document;
        DocumentLifecycle &lifecycle;
        RecentDocuments &recent;
        MainWindow &window;
        CanvasModel &canvas;
    };

    ShellWindows(const Parts &parts, const SessionPorts &ports);

    // Runs the browser, options, help and about commands from their menu items and buttons.
    void connectCommands(CommandBar &bar);
    // Points the help object at the guide beside the program.
    void useGuideIn(const std::string &programFolder);
    void showSplash();
    void showOptions();
    void showAbout();

    HTMLHelp &help() { return mHelp; }
    QtHelpViewer &helpViewer() { return mViewer; }
    // Tests start the program many times and skip the splash's wait.
    bool splashEnabled = true;

    void optionsApplied() override;
    void RedrawCanvas() override;
    void startRedrawTimer() override;
    void endProgram() override;

private:
    Parts mParts;
    const SessionPorts &mPorts;
    QtHelpViewer mViewer;
    HTMLHelp mHelp;
    BrowserPreview mPreview;
};

} // namespace areamaker
