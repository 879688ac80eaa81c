#include "GuiFixture.h"

#include "PropertyList.h"
#include "ZonePoints.h"
#include "shell/PropertyGridBinding.h"
#include "widgets/CanvasView.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"
#include "widgets/ShellWindows.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace areamaker::testing {

GuiFixture::GuiFixture()
{
    views.answers.assign(50, MessageAnswer::Ok);
    // A start without a page would wait in the assistant; the tests that want it say so.
    setting("AutoWiz", "0");
}

GuiFixture::~GuiFixture()
{
    if (session)
        session->window().closeRequested = nullptr;
}

std::string GuiFixture::path(const QString &name) const
{
    return folder.filePath(name).toStdString();
}

EditorSession &GuiFixture::start(const std::vector<std::string> &arguments)
{
    if (session)
        session->window().closeRequested = nullptr;
    session.reset();
    store = std::make_unique<QtSettingsStore>(folder.filePath("config/Areamaker.ini"));
    profile = std::make_unique<QtSettingsStore>(folder.filePath("config/Norvix.ini"));
    session = std::make_unique<EditorSession>(
        SessionPorts{*store, *profile, browsers, views, views, files, images, launcher});
    session->shellWindows().splashEnabled = false;
    session->start(arguments, folder.filePath("bin").toStdString(), "areamkr");
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&session->window()));
    return *session;
}

bool GuiFixture::closeWindow()
{
    const bool closed = session->window().close();
    store->sync();
    return closed;
}

std::string GuiFixture::writePicture(const QString &name, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    EXPECT_TRUE(picture.save(folder.filePath(name), "PNG"));
    return path(name);
}

std::string GuiFixture::writePage(const QString &name, const QString &mapName,
                                  const QString &picture, const QString &areas)
{
    QFile page(folder.filePath(name));
    EXPECT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<html><body>\n<img src=\"%2\" usemap=\"#%1\">\n<MAP NAME=\"%1\">\n"
                              "<!--Source Map:|%2|-->\n%3\n</MAP>\n</body></html>\n")
                   .arg(mapName, picture, areas)
                   .toUtf8());
    return path(name);
}

std::string GuiFixture::copyDemo()
{
    const QDir demo(AREAMAKER_DEMO_DIR);
    QDir(folder.path()).mkpath("images");
    for (const QString &name : {QStringLiteral("index.htm"), QStringLiteral("images/plan.png"),
                                QStringLiteral("images/village.jpg")})
        EXPECT_TRUE(QFile::copy(demo.filePath(name), folder.filePath(name))) << name.toStdString();
    return path("index.htm");
}

void GuiFixture::setting(const char *name, const char *value)
{
    QtSettingsStore(folder.filePath("config/Areamaker.ini")).write("System", name, value);
}

QWidget *GuiFixture::pictureWidget() const
{
    return session->window().canvasView().picMain();
}

void GuiFixture::mouseOnPicture(QEvent::Type type, QPoint at, Qt::MouseButton button,
                                Qt::MouseButtons held)
{
    QWidget *picture = pictureWidget();
    QMouseEvent event(type, at, picture->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(picture, &event);
}

void GuiFixture::clickPicture(QPoint at)
{
    mouseOnPicture(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouseOnPicture(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void GuiFixture::dragPicture(QPoint from, std::initializer_list<QPoint> steps)
{
    mouseOnPicture(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QPoint last = from;
    for (const QPoint &at : steps)
        mouseOnPicture(QEvent::MouseMove, last = at, Qt::NoButton, Qt::LeftButton);
    mouseOnPicture(QEvent::MouseButtonRelease, last, Qt::LeftButton, Qt::NoButton);
}

std::vector<Point> GuiFixture::zonePoints(int index) const
{
    return activeZonePoints(session->document(), index);
}

void GuiFixture::clickNode(const std::string &key, Qt::MouseButton button)
{
    ZoneTree &tree = *session->window().sidePane().tree();
    tree.expandAll();
    QTreeWidgetItem *item = tree.node(key);
    ASSERT_NE(item, nullptr) << key;
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), button, {}, tree.visualItemRect(item).center());
}

int GuiFixture::gridRowIndex(int tag) const
{
    const std::vector<GridRow> rows = session->grid().rows(GridFill::Selection);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].tag == tag)
            return static_cast<int>(i);
    ADD_FAILURE() << "no row " << tag;
    return 0;
}

void GuiFixture::startTyping(int tag, const QString &text)
{
    PropertyList &grid = *session->window().sidePane().propertyList();
    grid.SelectItem(gridRowIndex(tag));
    grid.picControl()->setFocus();
    typeText(text);
}

void GuiFixture::typeText(const QString &text)
{
    for (const QChar c : text) {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, focused, key, QString(c), Qt::NoModifier);
    }
}

void GuiFixture::whenDialogOpens(std::function<void(QDialog &)> user)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, user] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        user(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
}

void GuiFixture::typeInto(QDialog &dialog, const char *box, const QString &text)
{
    auto *line = dialog.findChild<QLineEdit *>(QString::fromUtf8(box));
    ASSERT_NE(line, nullptr) << box;
    line->setFocus();
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
}

void GuiFixture::press(QDialog &dialog, const char *button)
{
    auto *widget = dialog.findChild<QPushButton *>(QString::fromUtf8(button));
    ASSERT_NE(widget, nullptr) << button;
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace areamaker::testing
