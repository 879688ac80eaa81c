#include "widgets/MainWindow.h"

#include "PropertyList.h"
#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "shell/MainWindowRules.h"
#include "shell/PaneLayout.h"
#include "shell/PropertyGridBinding.h"
#include "widgets/CanvasView.h"
#include "widgets/CapsLockProbe.h"
#include "widgets/CommandBar.h"
#include "widgets/SidePane.h"
#include "widgets/SubclassService.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <tuple>

namespace areamaker {

namespace {

constexpr int RedrawDelay = 50;
constexpr int AutoPropDelay = 200;
// The lock bit of the X11 keyboard state that comes with each key event.
constexpr quint32 X11LockMask = 0x2;

int twips(int pixels)
{
    return pixels * TwipsPerPixel;
}

QRect pixelsOf(const TwipRect &r)
{
    return QRect(r.left / TwipsPerPixel, r.top / TwipsPerPixel, r.width / TwipsPerPixel,
                 r.height / TwipsPerPixel);
}

// The canvas key code of a Qt key, or 0 for keys the canvas leaves alone.
int canvasKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

} // namespace

MainWindow::MainWindow(AppSettings &settings)
    : capsLockProbe(capsLockState), mSettings(settings), mCommands(new CommandBar(this)),
      mClient(new QWidget(this)), mSidePane(new SidePane(settings, this)),
      mCanvas(new CanvasView(mClient)), mStatus(new QLabel(this)), mPosition(new QLabel(this)),
      mSize(new QLabel(this)), mZoom(new QLabel(this)), mCaps(new QLabel(this))
{
    setObjectName(QStringLiteral("frmMap"));
    setWindowTitle(QString::fromUtf8(MainWindowRules::ProductTitle));
    setCentralWidget(mClient);
    mSidePane->setParent(mClient);
    mStatus->setObjectName(QStringLiteral("ETAT"));
    mCaps->setObjectName(QStringLiteral("CAP"));
    mCaps->setAlignment(Qt::AlignCenter);
    mCaps->setMinimumWidth(mCaps->fontMetrics().horizontalAdvance(QStringLiteral("MAJ")) + 16);
    statusBar()->setObjectName(QStringLiteral("stbMain"));
    statusBar()->addWidget(mStatus, 1);
    const QFontMetrics metrics = mStatus->fontMetrics();
    for (const auto &[label, name, widest] : {std::tuple{mPosition, "POS", "00000, 00000"},
                                              std::tuple{mSize, "TAILLE", "00000 × 00000"},
                                              std::tuple{mZoom, "ZOOM", "Zoom : 1600 %"}}) {
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(metrics.horizontalAdvance(QString::fromUtf8(widest)) + 16);
        statusBar()->addPermanentWidget(label);
    }
    statusBar()->addPermanentWidget(mCaps);
    mRedrawTimer.setSingleShot(true);
    mRedrawTimer.setInterval(RedrawDelay);
    connect(&mRedrawTimer, &QTimer::timeout, this, [this] {
        if (mModel)
            mModel->RedrawCanvas();
    });
    mAutoPropTimer.setSingleShot(true);
    mAutoPropTimer.setInterval(AutoPropDelay);
    connect(&mAutoPropTimer, &QTimer::timeout, this, [this] {
        if (autoPropElapsed)
            autoPropElapsed();
    });
    connect(mCanvas, &CanvasView::painted, this, [this] { startRedrawTimer(); });
    connect(mSidePane, &SidePane::resized, this, &MainWindow::DimensionForm);
    mCommands->setCommand({}, {"9"},
                          [this] { onExplorerToggled(mCommands->button("9")->isChecked()); });
    mClient->installEventFilter(this);
    qApp->installEventFilter(this);
    resize(800, 600);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::setCanvasModel(CanvasModel *model)
{
    mModel = model;
    mCanvas->setModel(model);
}

void MainWindow::DimensionForm()
{
    // Before the window is shown its client area has no real size yet, and the section
    // clamp would shrink the stored height for good.
    if (!mClient->isVisible())
        return;
    PaneLayout::Input in;
    in.width = twips(mClient->width());
    in.height = twips(mClient->height());
    in.top = 30;
    in.zoneExplorer = mSettings.ZoneExplorer;
    in.zoneProperties = mSettings.ZoneProperties;
    in.explorateurWidth = mSettings.ExplorateurWidth;
    in.explorateurHeight = mSettings.ExplorateurHeight;
    const PaneLayout layout = PaneLayout::DimensionForm(in);
    mSettings.ExplorateurHeight = layout.explorateurHeight;
    mSidePane->setGeometry(pixelsOf(layout.pane));
    mSidePane->setVisible(layout.pane.visible);
    mSidePane->windowInnerWidth = in.width;
    mSidePane->applyLayout(layout);
    mCommands->setButtonPressed("9", layout.explorerPressed);
    mCanvas->setGeometry(pixelsOf(layout.workspace));
    mCanvas->layOutCanvas();
}

void MainWindow::onExplorerToggled(bool pressed)
{
    mSettings.ZoneExplorer = pressed;
    mSettings.ZoneProperties = pressed;
    DimensionForm();
}

void MainWindow::place(const WindowPlacement &placement)
{
    setGeometry(static_cast<int>(placement.left) / TwipsPerPixel,
                static_cast<int>(placement.top) / TwipsPerPixel,
                static_cast<int>(placement.width) / TwipsPerPixel,
                static_cast<int>(placement.height) / TwipsPerPixel);
    setWindowState(placement.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

WindowPlacement MainWindow::placement() const
{
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    return {isMaximized(), static_cast<float>(twips(normal.x())),
            static_cast<float>(twips(normal.y())), static_cast<float>(twips(normal.width())),
            static_cast<float>(twips(normal.height()))};
}

QLabel *MainWindow::panel(const std::string &key) const
{
    for (QLabel *label : {mCaps, mPosition, mSize, mZoom})
        if (label->objectName().toStdString() == key)
            return label;
    return mStatus;
}

QString MainWindow::panelText(const std::string &panel) const
{
    return this->panel(panel)->text();
}

void MainWindow::setPanelText(const std::string &panel, const std::string &text)
{
    this->panel(panel)->setText(QString::fromStdString(text));
}

void MainWindow::setToolbarState(ToolbarState state)
{
    MainWindowRules::applyToolbarState(state, *mCommands);
}

void MainWindow::refreshTitle(const MapDocument &document)
{
    // "[*]" is the window's modified mark to Qt; a file name holding it shows it doubled.
    setWindowTitle(QString::fromStdString(MainWindowRules::windowTitle(document))
                       .replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void MainWindow::fill(GridFill mode)
{
    PropertyList *list = mSidePane->propertyList();
    const std::vector<GridRow> rows = mGrid ? mGrid->rows(mode) : std::vector<GridRow>{};
    list->ClearItem(rows.empty());
    for (std::size_t i = 0; i < rows.size(); ++i)
        list->AddItem(static_cast<EPropItemType>(rows[i].kind), rows[i].tag,
                      QString::fromStdString(rows[i].title), QString::fromStdString(rows[i].value),
                      i + 1 == rows.size());
}

void MainWindow::setRowValue(int tag, const std::string &value)
{
    mSidePane->propertyList()->SetItemValueByTagId(tag, QString::fromStdString(value));
}

void MainWindow::pressToolButton(const std::string &key)
{
    mCommands->setButtonPressed(key, true);
}

void MainWindow::setMousePointer(int code)
{
    mCanvas->setPointer(code);
}

int MainWindow::mousePointer() const
{
    return mCanvas->pointer();
}

void MainWindow::setPictureEnabled(bool enabled)
{
    QWidget *picture = mCanvas->picMain();
    // Disabled, the picture loses the focus; enabled again, it takes it back, so that the
    // arrow keys still move the zone just traced.
    if (!enabled)
        mPictureHadFocus = picture->hasFocus();
    picture->setEnabled(enabled);
    if (enabled && mPictureHadFocus)
        picture->setFocus(Qt::OtherFocusReason);
}

void MainWindow::repaintWorkspace()
{
    mCanvas->update();
}

void MainWindow::setPopupItemVisible(int item, bool visible)
{
    mCommands->popupItem(mCommands->canvasPopup(), item)->setVisible(visible);
}

void MainWindow::setPopupItemEnabled(int item, bool enabled)
{
    mCommands->popupItem(mCommands->canvasPopup(), item)->setEnabled(enabled);
}

void MainWindow::showCanvasPopup(Point at)
{
    const Point shown = mModel ? mModel->view().toView(at) : at;
    mCommands->canvasPopup()->popup(mCanvas->picMain()->mapToGlobal(QPoint(shown.x, shown.y)));
}

void MainWindow::scrollTo(int horizontalStep, int verticalStep)
{
    mCanvas->scrollTo(horizontalStep, verticalStep);
}

void MainWindow::commitGridEdit()
{
    PropertyList *list = mSidePane->propertyList();
    if (list->txtItem()->hasFocus())
        list->picControl()->setFocus(Qt::OtherFocusReason);
}

int MainWindow::MsgResponse() const
{
    return SubclassService::instance().currentMessage() == SubclassService::Activation
               ? ISubclass::BeforeOwn
               : ISubclass::AfterOwn;
}

qintptr MainWindow::WindowProc(QObject *, int message, QEvent *)
{
    if (message != SubclassService::Activation)
        return 0;
    // The key may have been pressed in another program meanwhile.
    refreshCapsLock();
    if (activated)
        activated();
    return 0;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    CloseReason reason = event->spontaneous() ? CloseReason::User : CloseReason::Program;
    if (qApp->isSavingSession())
        reason = CloseReason::Session;
    if (closeRequested && !closeRequested(reason)) {
        event->ignore();
        return;
    }
    SubclassService::instance().detach(this, this, SubclassService::Activation);
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Laid out once shown too: a window that is not maximised gets no resize after that.
    if (watched == mClient && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        DimensionForm();
    if (watched == mClient && event->type() == QEvent::Show)
        refreshCapsLock();
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        followCapsLock(*key);
        if (event->type() == QEvent::KeyPress && previewKey(watched, *key))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::followCapsLock(const QKeyEvent &key)
{
    if (const std::optional<bool> real = capsLockProbe ? capsLockProbe() : std::nullopt) {
        showCapsLock(*real);
        return;
    }
    // The state a key event carries is the one from before the key: the Caps Lock key's press
    // turns it over, and its release, which may end the lock only then, is left alone.
    const bool locked = key.nativeModifiers() & X11LockMask;
    if (key.key() != Qt::Key_CapsLock)
        showCapsLock(locked);
    else if (key.type() == QEvent::KeyPress)
        showCapsLock(!locked);
}

void MainWindow::refreshCapsLock()
{
    if (const std::optional<bool> real = capsLockProbe ? capsLockProbe() : std::nullopt)
        showCapsLock(*real);
}

bool MainWindow::previewKey(QObject *watched, const QKeyEvent &key)
{
    // A key the canvas leaves alone reaches the filter again for each parent it is passed
    // on to; the answer is the same each time, so it does nothing twice.
    const auto *widget = qobject_cast<QWidget *>(watched);
    const int code = canvasKeyOf(key.key());
    if (!widget || widget->window() != this || code == 0 || !keyPreview)
        return false;
    // Tab moves the selection and refills the grid: the value being typed is kept first.
    if (code == KeyTab)
        commitGridEdit();
    return keyPreview(code, qobject_cast<QLineEdit *>(QApplication::focusWidget()) != nullptr);
}

void MainWindow::showCapsLock(bool on)
{
    mCaps->setText(on ? QStringLiteral("MAJ") : QString());
}

} // namespace areamaker
