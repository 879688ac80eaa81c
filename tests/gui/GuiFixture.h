#pragma once

#include "RecordingViews.h"
#include "adapters/PosixBrowserLauncher.h"
#include "adapters/PosixFileSystem.h"
#include "adapters/QtImageProbe.h"
#include "adapters/QtSettingsStore.h"
#include "platform/BrowserLookup.h"
#include "widgets/EditorSession.h"

#include <QDialog>
#include <QEvent>
#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace areamaker::testing {

// A site in a temporary folder, a settings file beside it, and an editor session over
// them whose questions and file dialogs answer from a script.
class GuiFixture : public ::testing::Test
{
public:
    // Replaces the box's text as a user does: all of it selected, then typed over.
    static void typeInto(QDialog &dialog, const char *box, const QString &text);
    static void press(QDialog &dialog, const char *button);

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
    // Runs `user` in the next modal dialog as soon as it shows, also one that start-up
    // opens; the dialog is closed afterwards if the user left it open.
    void whenDialogOpens(std::function<void(QDialog &)> user);

    // The zone explorer and the property grid, driven as a user does.
    void clickNode(const std::string &key, Qt::MouseButton button = Qt::LeftButton);
    int gridRowIndex(int tag) const;
    // Selects the row and types the text there with real key events, leaving the edit open.
    void startTyping(int tag, const QString &text);
    // Key events of one character each to the widget that has the focus, as a keyboard sends.
    static void typeText(const QString &text);

    QTemporaryDir folder;
    RecordingViews views;
    NoBrowser browsers;
    PosixFileSystem files;
    QtImageProbe images;
    PosixBrowserLauncher launcher;
    std::unique_ptr<QtSettingsStore> store;
    // The user's profile, where the e-mail address is found.
    std::unique_ptr<QtSettingsStore> profile;
    std::unique_ptr<EditorSession> session;
};

} // namespace areamaker::testing
