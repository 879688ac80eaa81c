#include "GuiFixture.h"

#include "ZonePoints.h"
#include "widgets/CanvasView.h"
#include "widgets/MainWindow.h"
#include "widgets/ShellWindows.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QFile>
#include <QImage>
#include <QTest>

namespace areamaker::testing {

GuiFixture::GuiFixture()
{
    views.answers.assign(50, MessageAnswer::Ok);
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
    session = std::make_unique<EditorSession>(
        SessionPorts{*store, browsers, views, views, files, images, launcher});
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

} // namespace areamaker::testing
