#include "widgets/EditorSession.h"

#include "canvas/CanvasClipboard.h"
#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "canvas/ZoneOrder.h"
#include "canvas/ZoomCommands.h"
#include "check/PageChecker.h"
#include "dialogs/QtAssistant.h"
#include "dialogs/QtPropertyDialogs.h"
#include "document/DocumentLifecycle.h"
#include "shell/BrowserDiscovery.h"
#include "shell/CommandLine.h"
#include "shell/DocumentCheck.h"
#include "shell/EditCommands.h"
#include "shell/ExitSequence.h"
#include "shell/HTMLHelp.h"
#include "shell/MainCommands.h"
#include "shell/MainWindowRules.h"
#include "shell/PaneLayout.h"
#include "shell/ProductInfo.h"
#include "shell/PropertiesCommand.h"
#include "shell/PropertyGridBinding.h"
#include "shell/StartupSequence.h"
#include "shell/UndoCommands.h"
#include "shell/ZoneTreeBinding.h"
#include "widgets/CanvasView.h"
#include "widgets/CheckPanel.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/ShellWindows.h"
#include "widgets/SidePane.h"
#include "widgets/SubclassService.h"
#include "widgets/ZoneTree.h"

#include "PropertyList.h"

#include <QAction>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QScreen>

namespace areamaker {

namespace {

// The File menu's item that checks the page.
constexpr int CheckItem = 45;

} // namespace

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
    EditorPorts withCanvas = editor;
    withCanvas.canvas = mCanvas.get();
    mLifecycle = std::make_unique<DocumentLifecycle>(mDocument, withCanvas);
    mAssistant = std::make_unique<QtAssistant>(
        WizardForm::Parts{mShell, mDocument, *mLifecycle, ports.store, withCanvas,
                          [this](int topic) { showHelpTopic(topic); }},
        &window);
    mCommands = std::make_unique<MainCommands>(MainCommands::Parts{
        mShell, mDocument, *mLifecycle, mRecent, ports.messages, ports.files, mAssistant.get()});
    mGrid = std::make_unique<PropertyGridBinding>(mDocument, *mCanvas);
    mTree = std::make_unique<ZoneTreeBinding>(mDocument, *mCanvas, *mEditor, *mLifecycle);
    mClipboard = std::make_unique<CanvasClipboard>(*mCanvas);
    mDialogs = std::make_unique<QtPropertyDialogs>(&window);
    mProperties = std::make_unique<PropertiesCommand>(
        mDocument, *mCanvas, *mDialogs, &ports.profile, QLocale().decimalPoint().toStdString());
    mOrder = std::make_unique<ZoneOrder>(*mCanvas);
    mEdits = std::make_unique<EditCommands>(EditCommands::Parts{
        *mCanvas, *mEditor, *mClipboard, *mProperties, window.commandBar(), window, *mOrder});
    mUndo = std::make_unique<UndoCommands>(mDocument, *mCanvas, *mEditor, *mLifecycle,
                                           window.commandBar());
    mGrid->setProperties(mProperties.get());
    mTree->setProperties(mProperties.get());
    window.canvasView().setEditCommands(mEdits.get());
    window.autoPropElapsed = [this] { mEdits->autoPropElapsed(); };
    mDocument.attachViews(tree, &window, &mCanvas->backBuffer());
    window.setCanvasModel(mCanvas.get());
    window.setGridBinding(mGrid.get());
    window.closeRequested = [this](CloseReason reason) { return closeRequested(reason); };
    window.activated = [this] { mLifecycle->checkForOutsideChange(); };
    mShellWindows = std::make_unique<ShellWindows>(
        ShellWindows::Parts{mShell, mDocument, *mLifecycle, mRecent, window, *mCanvas}, mPorts);
    connectCommands();
    connectEditCommands();
    connectUndoAndOrder();
    connectZoom();
    connectCheck();
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
    mLifecycle->followFolderIn(mShell.Settings.DefPath);
    startup.showMainWindow(*this);
    startup.openCommandLine(CommandLine::parse(arguments), *mLifecycle, mAssistant.get(),
                            mPorts.messages);
}

void EditorSession::connectCommands()
{
    CommandBar &bar = mWindow->commandBar();
    // The value being typed in the grid is kept before any command, and a toolbar click
    // ends a tracing first, so that another tool never shows pressed over it.
    bar.beforeCommand = [this](bool fromToolbar) {
        mWindow->commitGridEdit();
        if (fromToolbar)
            mEditor->CancelTrace();
    };
    bar.setCommand({2}, {"0"}, [this] { mCommands->New(); });
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
    bar.setCommand({27}, {"17"}, [this] { mCanvas->DeleteSelectedZone(true); });
    QObject::connect(&bar, &CommandBar::mainMenuAboutToShow, mWindow.get(),
                     [this] { beforeMainMenu(); });
}

void EditorSession::connectCheck()
{
    mChecker = std::make_unique<PageChecker>(mPorts.files, &mPorts.images);
    mCheck = std::make_unique<DocumentCheck>(mDocument, *mLifecycle, *mTree, *mChecker);
    mCheckPanel = new CheckPanel(mWindow.get());
    mWindow->addDockWidget(Qt::BottomDockWidgetArea, mCheckPanel);
    mCheckPanel->hide();
    mCheckPanel->activated = [this](const CheckFinding &finding) { mCheck->select(finding); };
    mWindow->commandBar().setCommand({CheckItem}, {}, [this] { checkPage(); });
}

void EditorSession::checkPage()
{
    std::vector<CheckFinding> findings;
    std::string failure;
    if (mCheck->run(findings, failure))
        mCheckPanel->showFindings(findings);
    else
        mCheckPanel->showFailure(failure);
}

void EditorSession::connectEditCommands()
{
    CommandBar &bar = mWindow->commandBar();
    bar.setCommand({24}, {"5"}, [this] { mClipboard->CutZone(); });
    bar.setCommand({25}, {"6"}, [this] { mClipboard->CopyZone(); });
    bar.setCommand({26}, {"7"}, [this] { mClipboard->PasteZone(); });
    bar.setCommand({29}, {}, [this] { mProperties->ShowProperties(false); });
    bar.setCommand({}, {"16"}, [this] { mProperties->showPropertiesOfSelection(); });
    // The menus grey what does not apply while they are shown; the shortcuts stay armed
    // and each command checks for itself.
    const auto arm = [&bar] { MainWindowRules::armEditShortcuts(bar); };
    QObject::connect(&bar, &CommandBar::mainMenuAboutToHide, mWindow.get(), arm);
    const QMenu *popup = bar.canvasPopup();
    QObject::connect(popup, &QMenu::aboutToHide, mWindow.get(), arm);
    for (int item : {PopupCut, PopupCopy, PopupPaste, PopupRemove, PopupInsertRectangle,
                     PopupInsertCircle, PopupInsertPolygon, PopupZoneProperties})
        QObject::connect(bar.popupItem(popup, item), &QAction::triggered, mWindow.get(),
                         [this, item] { mEdits->popupCommand(item); });
}

void EditorSession::connectUndoAndOrder()
{
    CommandBar &bar = mWindow->commandBar();
    bar.setCommand({UndoCommands::UndoItem}, {UndoCommands::UndoButton},
                   [this] { mUndo->Annuler(); });
    bar.setCommand({UndoCommands::RedoItem}, {UndoCommands::RedoButton},
                   [this] { mUndo->Retablir(); });
    mDocument.history().setListener([this] { mUndo->updateCommands(); });
    mUndo->updateCommands();
    bar.setCommand({38}, {}, [this] { mOrder->bringToFront(); });
    bar.setCommand({39}, {}, [this] { mOrder->sendToBack(); });
    const QMenu *popup = bar.canvasPopup();
    for (int item : {PopupBringToFront, PopupSendToBack})
        QObject::connect(bar.popupItem(popup, item), &QAction::triggered, mWindow.get(),
                         [this, item] { mEdits->popupCommand(item); });
}

void EditorSession::connectZoom()
{
    mZoom = std::make_unique<ZoomCommands>(*mCanvas);
    mWindow->canvasView().setZoom(mZoom.get());
    CommandBar &bar = mWindow->commandBar();
    bar.setCommand({41}, {}, [this] { mZoom->zoomIn(); });
    bar.setCommand({42}, {}, [this] { mZoom->zoomOut(); });
    bar.setCommand({43}, {}, [this] { mZoom->actualSize(); });
    bar.setCommand({44}, {}, [this] { mZoom->fitToWindow(); });
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
    QObject::connect(
        tree, &ZoneTree::nodeDoubleClicked, window,
        [this, tree](const std::string &key) { mTree->doubleClicked(key, tree->nodeCount()); });
    const QMenu *popup = window->commandBar().treePopup();
    for (int item : {PopupRectangle, PopupCircle, PopupPolygon, PopupDelete, PopupProperties})
        QObject::connect(window->commandBar().popupItem(popup, item), &QAction::triggered, window,
                         [this, tree, item] { mTree->popupCommand(item, tree->currentKey()); });
    QObject::connect(window->commandBar().popupItem(popup, PopupNew), &QAction::triggered, window,
                     [this] { mCommands->New(); });
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
    mWindow->commitGridEdit();
    MainWindowRules::updateDocumentItems(mDocument.DocumentState, mWindow->commandBar());
    mEdits->beforeMainMenu();
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

void EditorSession::showHelpTopic(int topic)
{
    HTMLHelp &help = mShellWindows->help();
    help.HHTopicID(topic);
    help.HHDisplayTopicID();
}

bool EditorSession::closeRequested(CloseReason reason)
{
    mWindow->commitGridEdit();
    if (!ExitSequence(mShell, mPorts.store, *mLifecycle).run(reason, mWindow->placement()))
        return false;
    mShellWindows->help().HHClose();
    return true;
}

} // namespace areamaker
