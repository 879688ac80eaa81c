#pragma once

#include "document/MapDocument.h"
#include "shell/RecentDocuments.h"
#include "shell/ShellState.h"
#include "shell/StartupHost.h"

#include <QPoint>

#include <memory>
#include <string>
#include <vector>

namespace areamaker {

class BrowserLauncher;
class BrowserLookup;
class CanvasClipboard;
class CanvasEditor;
class EditCommands;
class PropertiesCommand;
class QtAssistant;
class QtPropertyDialogs;
class CanvasModel;
class CheckPanel;
class DocumentCheck;
class PageChecker;
class DocumentLifecycle;
class FileDialogPort;
class FileSystem;
class ImageProbe;
class MainCommands;
class MainWindow;
class PropertyGridBinding;
class ShellWindows;
class UndoCommands;
class ZoneOrder;
class ZoomCommands;
class ZoneTreeBinding;
class MessageBoxPort;
class SettingsStore;
enum class CloseReason;

// The outside world as the editor reaches it.
struct SessionPorts
{
    SettingsStore &store;
    // The user's profile, shared with the maker's other programs: the e-mail address.
    SettingsStore &profile;
    BrowserLookup &browsers;
    MessageBoxPort &messages;
    FileDialogPort &dialogs;
    FileSystem &files;
    ImageProbe &images;
    BrowserLauncher &launcher;
};

// One run of the editor: the settings, the document, the canvas and the main window,
// wired together, from start-up to exit.
class EditorSession : public StartupHost
{
public:
    explicit EditorSession(const SessionPorts &ports);
    ~EditorSession() override;

    // Reads the settings, shows the window and opens what the command line names.
    void start(const std::vector<std::string> &arguments, const std::string &programFolder,
               const std::string &programName);

    MainWindow &window() const { return *mWindow; }
    MapDocument &document() { return mDocument; }
    ShellState &shell() { return mShell; }
    CanvasModel &canvas() const { return *mCanvas; }
    CanvasEditor &editor() const { return *mEditor; }
    MainCommands &commands() const { return *mCommands; }
    DocumentLifecycle &lifecycle() const { return *mLifecycle; }
    PropertyGridBinding &grid() const { return *mGrid; }
    CanvasClipboard &clipboard() const { return *mClipboard; }
    ShellWindows &shellWindows() const { return *mShellWindows; }
    UndoCommands &undo() const { return *mUndo; }
    CheckPanel &checkPanel() const { return *mCheckPanel; }

    void loadMainWindow() override;
    void showSplash() override;
    void placeMainWindow(const WindowPlacement &placement) override;
    void showMainWindow() override;
    float screenWidth() const override;
    float screenHeight() const override;

private:
    void connectCommands();
    void connectSidePane();
    void showTreePopup(const QPoint &at);
    void connectEditCommands();
    void connectUndoAndOrder();
    void connectZoom();
    void connectCheck();
    void checkPage();
    void beforeMainMenu();
    void showHelpTopic(int topic);
    bool closeRequested(CloseReason reason);

    SessionPorts mPorts;
    ShellState mShell;
    MapDocument mDocument;
    std::unique_ptr<MainWindow> mWindow;
    RecentDocuments mRecent;
    std::unique_ptr<CanvasModel> mCanvas;
    std::unique_ptr<CanvasEditor> mEditor;
    std::unique_ptr<DocumentLifecycle> mLifecycle;
    std::unique_ptr<QtAssistant> mAssistant;
    std::unique_ptr<MainCommands> mCommands;
    std::unique_ptr<PropertyGridBinding> mGrid;
    std::unique_ptr<ZoneTreeBinding> mTree;
    std::unique_ptr<CanvasClipboard> mClipboard;
    std::unique_ptr<QtPropertyDialogs> mDialogs;
    std::unique_ptr<PropertiesCommand> mProperties;
    std::unique_ptr<EditCommands> mEdits;
    std::unique_ptr<ShellWindows> mShellWindows;
    std::unique_ptr<ZoneOrder> mOrder;
    std::unique_ptr<UndoCommands> mUndo;
    std::unique_ptr<ZoomCommands> mZoom;
    std::unique_ptr<PageChecker> mChecker;
    std::unique_ptr<DocumentCheck> mCheck;
    CheckPanel *mCheckPanel = nullptr;
};

} // namespace areamaker
