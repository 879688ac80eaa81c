#pragma once

#include "platform/CanvasPopupPort.h"
#include "platform/CanvasSurfaces.h"
#include "platform/EditorViews.h"
#include "shell/AppSettings.h"
#include "shell/ExitSequence.h"
#include "widgets/ISubclass.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <optional>

class QKeyEvent;
class QLabel;

namespace areamaker {

class CanvasModel;
class PropertyGridBinding;
class CanvasView;
class CommandBar;
class SidePane;

// The main window: menus and toolbar, the side pane, the canvas and the status bar. It
// shows what the editor's logic tells it and hands every command back to it.
class MainWindow : public QMainWindow,
                   public StatusBarPort,
                   public CommandStatePort,
                   public WindowTitlePort,
                   public PropertyGridPort,
                   public CanvasHost,
                   public CanvasPopupPort,
                   public ISubclass
{
    Q_OBJECT

public:
    explicit MainWindow(AppSettings &settings);
    ~MainWindow() override;

    CommandBar &commandBar() const { return *mCommands; }
    SidePane &sidePane() const { return *mSidePane; }
    CanvasView &canvasView() const { return *mCanvas; }
    void setCanvasModel(CanvasModel *model);
    // Where the property grid takes its rows from.
    void setGridBinding(const PropertyGridBinding *binding) { mGrid = binding; }

    // Asked when the window is about to close; false keeps it open.
    std::function<bool(CloseReason)> closeRequested;
    // The application was activated.
    std::function<void()> activated;
    // Every key pressed in the window, before the focused control; true consumes it.
    std::function<bool(int key, bool textBoxFocused)> keyPreview;
    // The one-shot timer that follows a traced zone has elapsed.
    std::function<void()> autoPropElapsed;
    // The keyboard's Caps Lock state, nothing when the platform cannot tell.
    std::function<std::optional<bool>()> capsLockProbe;

    // Ends the property grid's edit in progress the way leaving its box does, so that the
    // command that follows sees the value typed.
    void commitGridEdit();
    // Shows "MAJ" as the keyboard's Caps Lock state is, when the platform can tell.
    void refreshCapsLock();

    // The layout pass over the side pane and the canvas area.
    void DimensionForm();
    void place(const WindowPlacement &placement);
    // The window's state and normal geometry in twips.
    WindowPlacement placement() const;
    QString panelText(const std::string &panel) const;
    bool redrawPending() const { return mRedrawTimer.isActive(); }

    void setPanelText(const std::string &panel, const std::string &text) override;
    void setToolbarState(ToolbarState state) override;
    void refreshTitle(const MapDocument &document) override;
    void fill(GridFill mode) override;
    void setRowValue(int tag, const std::string &value) override;
    void pressToolButton(const std::string &key) override;
    void setMousePointer(int code) override;
    int mousePointer() const override;
    void setPictureEnabled(bool enabled) override;
    void startAutoPropTimer() override { mAutoPropTimer.start(); }
    void layOut() override { DimensionForm(); }
    void repaintWorkspace() override;
    void setPopupItemVisible(int item, bool visible) override;
    void setPopupItemEnabled(int item, bool enabled) override;
    void showCanvasPopup(Point at) override;
    void startRedrawTimer() override { mRedrawTimer.start(); }
    void scrollTo(int horizontalStep, int verticalStep) override;
    int MsgResponse() const override;
    qintptr WindowProc(QObject *window, int message, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCapsLock(bool on);
    QLabel *panel(const std::string &key) const;
    void followCapsLock(const QKeyEvent &key);
    bool previewKey(QObject *watched, const QKeyEvent &key);
    void onExplorerToggled(bool pressed);

    AppSettings &mSettings;
    CommandBar *mCommands;
    QWidget *mClient;
    SidePane *mSidePane;
    CanvasView *mCanvas;
    QLabel *mStatus;
    // The pointer's position over the picture, the dragged zone's size and the zoom level.
    QLabel *mPosition;
    QLabel *mSize;
    QLabel *mZoom;
    QLabel *mCaps;
    QTimer mRedrawTimer;
    QTimer mAutoPropTimer;
    CanvasModel *mModel = nullptr;
    const PropertyGridBinding *mGrid = nullptr;
    bool mPictureHadFocus = false;
};

} // namespace areamaker
