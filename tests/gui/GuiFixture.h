#pragma once

#include "RecordingViews.h"
#include "adapters/PosixBrowserLauncher.h"
#include "adapters/PosixFileSystem.h"
#include "adapters/QtImageProbe.h"
#include "adapters/QtSettingsStore.h"
#include "platform/BrowserLookup.h"
#include "widgets/EditorSession.h"

#include <QEvent>
#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace areamaker::testing {

// A site in a temporary folder, a settings file beside it, and an editor session over
// them whose questions and file dialogs answer from a script.
class GuiFixture : public ::testing::Test
{
protected:
    struct NoBrowser : BrowserLookup
    {
        std::optional<std::string> defaultBrowser() override { return std::string(); }
    };

    GuiFixture();
    ~GuiFixture() override;

    // Starts a new session on the settings file, as the program would with `arguments`.
    EditorSession &start(const std::vector<std::string> &arguments);
    // Closes the window as the user would; true when it closed.
    bool closeWindow();

    std::string path(const QString &name) const;
    // A white picture of the given size, saved as PNG.
    std::string writePicture(const QString &name, int width, int height);
    // A page with one map on `picture` holding the AREA tags given.
    std::string writePage(const QString &name, const QString &mapName, const QString &picture,
                          const QString &areas);
    std::string copyDemo();
    void setting(const char *name, const char *value);

    // Real mouse events on the canvas picture, at its pixels.
    QWidget *pictureWidget() const;
    void mouseOnPicture(QEvent::Type type, QPoint at, Qt::MouseButton button,
                        Qt::MouseButtons held);
    void clickPicture(QPoint at);
    void dragPicture(QPoint from, std::initializer_list<QPoint> steps);
    std::vector<Point> zonePoints(int index) const;

    QTemporaryDir folder;
    RecordingViews views;
    NoBrowser browsers;
    PosixFileSystem files;
    QtImageProbe images;
    PosixBrowserLauncher launcher;
    std::unique_ptr<QtSettingsStore> store;
    std::unique_ptr<EditorSession> session;
};

} // namespace areamaker::testing
