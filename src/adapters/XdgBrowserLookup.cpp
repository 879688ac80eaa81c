#include "adapters/XdgBrowserLookup.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace areamaker {

namespace {

// The program named first on the desktop entry's Exec line.
QString executableOf(const QString &desktopFile)
{
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream lines(&file);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.startsWith("Exec=")) {
            const QStringList words = QProcess::splitCommand(line.mid(5));
            return words.isEmpty() ? QString() : QStandardPaths::findExecutable(words.front());
        }
    }
    return {};
}

} // namespace

std::optional<std::string> XdgBrowserLookup::defaultBrowser()
{
    const QString tool = QStandardPaths::findExecutable("xdg-mime");
    // A desktop without the tool simply has no registered browser.
    if (tool.isEmpty())
        return std::string();
    QProcess query;
    query.start(tool, {"query", "default", "text/html"});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return std::nullopt;
    const QString entry = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (entry.isEmpty())
        return std::string();
    const QString desktopFile = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    return executableOf(desktopFile).toStdString();
}

} // namespace areamaker
