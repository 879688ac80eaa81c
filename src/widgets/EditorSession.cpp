#include "widgets/EditorSession.h"

#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "document/DocumentLifecycle.h"
#include "shell/BrowserDiscovery.h"
#include "shell/CommandLine.h"
#include "shell/ExitSequence.h"
#include "shell/MainCommands.h"
#include "shell/MainWindowRules.h"
#include "shell/PaneLayout.h"
#include "shell/ProductInfo.h"
#include "shell/PropertyGridBinding.h"
#include "shell/StartupSequence.h"
#include "shell/ZoneTreeBinding.h"
#include "widgets/CanvasView.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/ShellWindows.h"
#include "widgets/SidePane.h"
#include "widgets/SubclassService.h"
#include "widgets/ZoneTree.h"

#include "PropertyList.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace areamaker {

EditorSession::EditorSession(const SessionPorts &ports)
    : mPorts(ports), mWindow(std::make_unique<MainWindow>(mShell.Settings)),
      mRecent(mShell.Settings.RecentDocuments, &mWindow->commandBar())
{
    MainWindow &window = *mWindow;
    ZoneTree *tree = window.sidePane().tree();
    const EditorPorts editor{&ports.messages, &ports.dialogs, &ports.images, &ports.files, tree,
                             &window,         &window,        &window,       nullptr,      &window,
                             &mRecent};
    mCanvas = std::make_unique<CanvasModel>(mDocument, mShell.Settings, window.canvasView(), window,
                                            editor);
    mEditor = std::make_unique<CanvasEditor>(*mCanvas);
    window.canvasView().setEditor(mEditor.get());
    window.keyPreview = [this](int key, bool textBox) { return mEditor->keyDown(key, textBox); };
    window.autoPropElapsed = [this] { mEditor->autoPropElapsed(); };
    EditorPorts withCanvas = editor;
    withCanvas.canvas = mCanvas.get();
    mLifecycle = std::make_unique<DocumentLifecycle>(mDocument, withCanvas);
    mCommands = std::make_unique<MainCommands>(MainCommands::Parts{
        mShell, mDocument, *mLifecycle, mRecent, ports.messages, ports.files, nullptr});
    mGrid = std::make_unique<PropertyGridBinding>(mDocument, *mCanvas);
    mTree = std::make_unique<ZoneTreeBinding>(mDocument, *mCanvas, *mEditor, *mLifecycle);
    mDocument.attachViews(tree, &window, &window.canvasView().backBuffer());
    window.setCanvasModel(mCanvas.get());
    window.setGridBinding(mGrid.get());
    window.closeRequested = [this](CloseReason reason) { return closeRequested(reason); };
    window.activated = [this] { mLifecycle->checkForOutsideChange(); };
    mShellWindows = std::make_unique<ShellWindows>(
        ShellWindows::Parts{mShell, mDocument, *mLifecycle, mRecent, window, *mCanvas}, mPorts);
    connectCommands();
    connectSidePane();
    mShellWindows->connectCommands(window.commandBar());
}

EditorSession::~EditorSession() = default;

void EditorSession::start(const std::vector<std::string> &arguments,
                          const std::string &programFolder, const std::string &programName)
{
    BrowserDiscovery browsers(mPorts.browsers, mPorts.files, mPorts.messages);
    StartupSequence startup(mShell, mPorts.store, mDocument);
    startup.readSettings(programFolder, programName, ProductInfo::Version, browsers);
    mShellWindows->useGuideIn(mShell.AppFolder);
    mLifecycle->setNewNoBorder(mShell.Settings.NewNoBorder);
    startup.showMainWindow(*this);
    startup.openCommandLine(CommandLine::parse(arguments), *mLifecycle, nullptr);
}

void EditorSession::connectCommands()
{
    CommandBar &bar = mWindow->commandBar();
    bar.setCommand({3}, {"1"}, [this] { mCommands->Open(); });
    bar.setCommand({4}, {"2"}, [this] { mCommands->Save(); });
    bar.setCommand({6}, {}, [this] { mCommands->Close(); });
    bar.setCommand({17}, {}, [this] { mWindow->close(); });
    for (int slot = 0; slot < RecentDocuments::SlotCount; ++slot)
        bar.setCommand({RecentDocuments::FirstItem + slot}, {},
                       [this, slot] { mCommands->openRecent(slot); });
    // The selection tool is a mode of the canvas: choosing it ends a tracing.
    bar.setCommand({}, {"11"}, [this] { mEditor->CancelTrace(); });
    bar.setCommand({20}, {"12"}, [this] { mEditor->BeginTrace(ShapeRectangle); });
    bar.setCommand({21}, {"13"}, [this] { mEditor->BeginTrace(ShapeCircle); });
    bar.setCommand({22}, {"14"}, [this] { mEditor->BeginTrace(ShapePolygon); });
    QObject::connect(&bar, &CommandBar::mainMenuAboutToShow, mWindow.get(),
                     [this] { beforeMainMenu(); });
}

void EditorSession::connectSidePane()
{
    MainWindow *window = mWindow.get();
    PropertyList *list = window->sidePane().propertyList();
    QObject::connect(list, &PropertyList::MoreItemClick, window,
                     [this](qint32 tag) { mGrid->MoreItemClick(tag); });
    QObject::connect(list, &PropertyList::TextItemChanged, window,
                     [this](qint32 tag, const QString &text, bool *cancel) {
                         mGrid->TextItemChanged(tag, text.toStdString(), *cancel);
                     });
    ZoneTree *tree = window->sidePane().tree();
    QObject::connect(tree, &ZoneTree::nodeClicked, window,
                     [this](const std::string &key) { mTree->nodeClicked(key); });
    QObject::connect(tree, &ZoneTree::mouseReleased, window,
                     [this, tree](Qt::MouseButton button, const QPoint &at) {
                         mTree->released(tree->nodeCount());
                         if (button == Qt::RightButton)
                             showTreePopup(at);
                     });
    QObject::connect(tree, &ZoneTree::keyReleased, window,
                     [this, tree] { mTree->released(tree->nodeCount()); });
    QObject::connect(tree, &ZoneTree::focused, window, [this] { mTree->focused(); });
    const QMenu *popup = window->commandBar().treePopup();
    for (int item : {PopupRectangle, PopupCircle, PopupPolygon, PopupDelete})
        QObject::connect(window->commandBar().popupItem(popup, item), &QAction::triggered, window,
                         [this, tree, item] { mTree->popupCommand(item, tree->currentKey()); });
    // New and Properties open the assistant and the dialogs, which come later.
    for (int item : {PopupNew, PopupProperties})
        window->commandBar().popupItem(popup, item)->setEnabled(false);
}

void EditorSession::showTreePopup(const QPoint &at)
{
    const std::optional<ZoneTreeBinding::Popup> shown =
        mTree->popupFor(mWindow->sidePane().tree()->currentKey());
    if (!shown)
        return;
    CommandBar &bar = mWindow->commandBar();
    bar.popupItem(bar.treePopup(), PopupNew)->setVisible(shown->newShown);
    bar.popupItem(bar.treePopup(), PopupInsert)->setVisible(shown->insertShown);
    bar.treePopup()->popup(at);
}

void EditorSession::beforeMainMenu()
{
    CommandBar &bar = mWindow->commandBar();
    MainWindowRules::updateDocumentItems(mDocument.DocumentState, bar);
    CanvasState &state = mCanvas->state();
    const bool clipboard = state.ClipboardZone.hForme() != ShapeNone;
    if (state.CanvasMode == NoPicture) {
        MainWindowRules::updateEditMenu(3, clipboard, bar);
    } else if (state.CanvasMode == Idle) {
        MainWindowRules::updateEditMenu(0, clipboard, bar);
        state.MapFocus = 1;
    } else if (state.CanvasMode == ZoneSelected) {
        MainWindowRules::updateEditMenu(1, clipboard, bar);
        state.MapFocus = 0;
    }
}

void EditorSession::loadMainWindow()
{
    mRecent.addDocument(EmptySlot);
    mLifecycle->CloseDocument(true);
    mWindow->setPanelText("CAP", "");
    SubclassService::instance().attach(mWindow.get(), mWindow.get(), SubclassService::Activation);
    mWindow->DimensionForm();
    MainWindowRules::UpdateNavigatorIcon(mShell.BrowserKind, mWindow->commandBar());
}

void EditorSession::showSplash()
{
    mShellWindows->showSplash();
}

void EditorSession::placeMainWindow(const WindowPlacement &placement)
{
    mWindow->place(placement);
}

void EditorSession::showMainWindow()
{
    mWindow->show();
}

float EditorSession::screenWidth() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(screen->availableGeometry().width() * TwipsPerPixel) : 0;
}

float EditorSession::screenHeight() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(screen->availableGeometry().height() * TwipsPerPixel) : 0;
}

bool EditorSession::closeRequested(CloseReason reason)
{
    if (!ExitSequence(mShell, mPorts.store, *mLifecycle).run(reason, mWindow->placement()))
        return false;
    mShellWindows->help().HHClose();
    return true;
}

} // namespace areamaker
