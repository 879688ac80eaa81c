#include "app/EditorEntry.h"

#include "adapters/FrenchTranslations.h"
#include "adapters/PosixBrowserLauncher.h"
#include "adapters/PosixFileSystem.h"
#include "adapters/QtFileDialog.h"
#include "adapters/QtImageProbe.h"
#include "adapters/QtMessageBox.h"
#include "adapters/QtSettingsStore.h"
#include "adapters/XdgBrowserLookup.h"
#include "app/AbsolutePath.h"
#include "widgets/EditorSession.h"
#include "widgets/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include <iostream>
#include <string_view>
#include <vector>

namespace {

// The page first, made absolute, then the map option as given. A hidden
// "--screenshot FILE" saves the screen once the window has settled, then quits.
std::vector<std::string> editorArguments(int argc, char *argv[], QString &screenshot)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--screenshot" && i + 1 < argc) {
            screenshot = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        const bool isPage = arguments.empty() && argv[i][0] != '\0' && argv[i][0] != '-';
        arguments.push_back(isPage ? areamaker::absolutePath(argv[i]) : argv[i]);
    }
    return arguments;
}

void takeScreenshotLater(const QString &file, QWidget *window)
{
    QTimer::singleShot(1500, window, [file, window] {
        QScreen *screen = window->screen();
        const bool saved = screen && screen->grabWindow(window->winId()).save(file);
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

} // namespace

extern "C" __attribute__((visibility("default"))) int areamkrRunEditor(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!areamaker::installFrenchTranslations())
        std::cerr << "Traductions françaises de Qt introuvables (paquet qt6-translations-l10n) : "
                     "les dialogues de fichiers resteront en anglais.\n";
    QString screenshot;
    const std::vector<std::string> arguments = editorArguments(argc, argv, screenshot);
    areamaker::QtSettingsStore store;
    areamaker::QtSettingsStore profile(QStringLiteral("Norvix"), QStringLiteral("Norvix"));
    areamaker::XdgBrowserLookup browsers;
    areamaker::QtMessageBox messages;
    areamaker::QtFileDialog dialogs;
    areamaker::PosixFileSystem files;
    areamaker::QtImageProbe images;
    areamaker::PosixBrowserLauncher launcher;
    areamaker::EditorSession session(
        {store, profile, browsers, messages, dialogs, files, images, launcher});
    messages.setOwner(&session.window());
    dialogs.setOwner(&session.window());
    const QFileInfo program(QCoreApplication::applicationFilePath());
    session.start(arguments, program.absolutePath().toStdString(),
                  program.fileName().toStdString());
    if (!screenshot.isEmpty())
        takeScreenshotLater(screenshot, &session.window());
    return app.exec();
}

// The image readers are plugins that an application object finds; no display is needed.
// It lives as long as the program, as the probes it serves do.
extern "C" __attribute__((visibility("default"))) areamaker::ImageProbe *areamkrNewImageProbe()
{
    static int argc = 1;
    static char name[] = "areamkr";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    return new areamaker::QtImageProbe;
}
