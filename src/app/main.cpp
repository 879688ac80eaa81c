#include "adapters/FrenchTranslations.h"
#include "adapters/PosixBrowserLauncher.h"
#include "adapters/PosixFileSystem.h"
#include "adapters/QtFileDialog.h"
#include "adapters/QtImageProbe.h"
#include "adapters/QtMessageBox.h"
#include "adapters/QtSettingsStore.h"
#include "adapters/TruncationGuard.h"
#include "adapters/XdgBrowserLookup.h"
#include "shell/BatchCommands.h"
#include "widgets/EditorSession.h"
#include "widgets/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

int usage()
{
    std::cerr << "Utilisation : areamkr --list PAGE | areamkr --check [--json] PAGE... | "
                 "areamkr --rewrite PAGE\n";
    return 2;
}

// Image paths are resolved against the page, so the page's own path must be absolute.
std::string absolutePath(const char *path)
{
    return std::filesystem::absolute(path).lexically_normal().string();
}

bool isBatchCommand(std::string_view argument)
{
    return argument == "--list" || argument == "--rewrite" || argument == "--check";
}

// --check [--json] PAGE...: the pages as given, so that the report names them that way.
int runCheck(areamaker::BatchCommands &batch, int argc, char *argv[])
{
    const bool json = argc > 2 && std::string_view(argv[2]) == "--json";
    const std::vector<std::string> pages(argv + (json ? 3 : 2), argv + argc);
    if (pages.empty())
        return usage();
    return batch.check(pages, json, std::cout, std::cerr);
}

int runBatch(int argc, char *argv[])
{
    const bool check = std::string_view(argv[1]) == "--check";
    if (argc != 3 && !check)
        return usage();
    // The image readers are plugins: an application object finds them, no display needed.
    QCoreApplication app(argc, argv);
    // The commands view pages through their mapped pages, which another program may cut short.
    areamaker::guardAgainstTruncatedViews();
    areamaker::PosixFileSystem files;
    areamaker::QtImageProbe images;
    areamaker::BatchCommands batch(files, images);
    if (check)
        return runCheck(batch, argc, argv);
    const std::string page = absolutePath(argv[2]);
    if (std::string_view(argv[1]) == "--list")
        return batch.list(page, std::cout, std::cerr);
    return batch.rewrite(page, std::cerr);
}

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
        arguments.push_back(isPage ? absolutePath(argv[i]) : argv[i]);
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

int main(int argc, char *argv[])
{
    if (argc > 1 && isBatchCommand(argv[1]))
        return runBatch(argc, argv);
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
